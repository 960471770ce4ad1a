#pragma once
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

// Hands an address to the desktop: a mailto address to the mail program, a web address to the
// browser. Tests put a recording opener in place of the real one.
class UrlOpener {
public:
    // Why the desktop did not take an address after all, in a sentence for the user.
    using Failure = std::function<void(const QString& reason)>;

    virtual ~UrlOpener();
    // False when nothing on this desktop takes the address. A desktop may learn only later that
    // no program took it: `failed` is then called from the event loop.
    virtual bool open(const QUrl& url, const Failure& failed = {}) = 0;
    // The longest address, in bytes as it is handed over (encoded), that reaches the desktop
    // whole.
    virtual qsizetype maxAddressBytes() const = 0;

    // The override when one is set, else the desktop's.
    static std::shared_ptr<UrlOpener> current();
    // Replaces the desktop's opener for the whole program; nullptr restores it.
    static void setOverride(std::shared_ptr<UrlOpener> opener);
};

// The desktop's own handlers (on Linux the desktop's opener, xdg-open, watched until it has
// handed the address on).
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url, const Failure& failed = {}) override;
    qsizetype maxAddressBytes() const override;
};
