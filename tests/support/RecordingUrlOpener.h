#pragma once
#include "platform/UrlOpener.h"

#include <QList>

// Keeps every address it is handed instead of opening it; `handled` false plays a desktop
// without a mail program or browser.
class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened << url;
        return handled;
    }
    QList<QUrl> opened;
    bool handled = true;
};
