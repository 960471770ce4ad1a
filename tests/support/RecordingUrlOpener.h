#pragma once
#include "platform/UrlOpener.h"

#include <QList>

// Keeps every address it is handed instead of opening it; `handled` false plays a desktop
// without a mail program or browser, and `failure` one that takes the address and then reports
// that no program took it. Addresses are bounded as the desktop's are.
class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url, const Failure& failed) override {
        opened << url;
        if (handled && !failure.isEmpty() && failed)
            failed(failure);
        return handled;
    }
    qsizetype maxAddressBytes() const override { return DesktopUrlOpener().maxAddressBytes(); }

    QList<QUrl> opened;
    bool handled = true;
    QString failure;
};
