// The X server or Wayland compositor that Qt's xcb or wayland platform would connect to.
#include "platform/DisplayCheck.h"

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <cstring>

#ifdef PINLEAF_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

// The value after Qt's own option `name` ("-platform", "-display"; Qt also takes them with two
// dashes), or nothing.
QByteArray qtOption(int argc, char** argv, const char* name) {
    QByteArray value;
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-')
            ++arg;
        if (std::strcmp(arg, name) == 0)
            value = argv[++i];
    }
    return value;
}

// The platforms Qt tries, in its order: the argument, the variable, or its default, which puts
// Wayland first in a Wayland session (Qt 6.4 does so except under GNOME).
QList<QByteArray> platforms(int argc, char** argv) {
    QByteArray names = qtOption(argc, argv, "-platform");
    if (names.isEmpty())
        names = qgetenv("QT_QPA_PLATFORM");
    if (names.isEmpty()) {
        names = "xcb";
        const QByteArray desktops =
            (qgetenv("XDG_CURRENT_DESKTOP") + qgetenv("XDG_SESSION_DESKTOP")).toLower();
        if (qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktops.contains("gnome"))
            names = "wayland;xcb";
    }
    QList<QByteArray> out;
    for (const QByteArray& entry : names.split(';')) {
        // "name:option=value,..." names a platform with its options.
        const QByteArray name = entry.split(':').value(0).trimmed();
        if (!name.isEmpty())
            out << name;
    }
    return out;
}

bool xServerAnswers(const QByteArray& display, QString* why) {
    if (display.isEmpty()) {
        *why = QStringLiteral("DISPLAY is not set");
        return false;
    }
#ifdef PINLEAF_HAVE_XCB
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answers)
        *why =
            QStringLiteral("the X display %1 does not answer").arg(QString::fromLocal8Bit(display));
    return answers;
#else
    return true;
#endif
}

bool waylandSocketExists(QString* why) {
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    QString path = QString::fromLocal8Bit(name);
    if (!path.startsWith(u'/'))
        path = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + u'/' + path;
    if (QFileInfo::exists(path))
        return true;
    *why = QStringLiteral("no Wayland display at %1").arg(path);
    return false;
}

} // namespace

namespace DisplayCheck {

bool canStart(int argc, char** argv, QString* why) {
    const QList<QByteArray> names = platforms(argc, argv);
    if (names.isEmpty())
        return true;
    QStringList reasons;
    for (const QByteArray& name : names) {
        QString reason;
        if (name == "xcb") {
            QByteArray display = qtOption(argc, argv, "-display");
            if (display.isEmpty())
                display = qgetenv("DISPLAY");
            if (xServerAnswers(display, &reason))
                return true;
        } else if (name.startsWith("wayland")) {
            if (waylandSocketExists(&reason))
                return true;
        } else {
            return true;
        }
        if (!reasons.contains(reason))
            reasons << reason;
    }
    const bool waylandTried = std::any_of(
        names.begin(), names.end(), [](const QByteArray& n) { return n.startsWith("wayland"); });
    if (!waylandTried && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        reasons << QStringLiteral("QT_QPA_PLATFORM=wayland would try the Wayland display");
    *why = reasons.join(QStringLiteral(", and "));
    return false;
}

} // namespace DisplayCheck
