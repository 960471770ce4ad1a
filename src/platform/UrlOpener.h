#pragma once
#include <QUrl>

#include <memory>

// Hands an address to the desktop: a mailto address to the mail program, a web address to the
// browser. Tests put a recording opener in place of the real one.
class UrlOpener {
public:
    virtual ~UrlOpener();
    // False when nothing on this desktop takes the address.
    virtual bool open(const QUrl& url) = 0;

    // The override when one is set, else the desktop's.
    static std::shared_ptr<UrlOpener> current();
    // Replaces the desktop's opener for the whole program; nullptr restores it.
    static void setOverride(std::shared_ptr<UrlOpener> opener);
};

// The desktop's own handlers, through QDesktopServices.
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};
