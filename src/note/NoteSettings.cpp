#include "note/NoteSettings.h"

#include "platform/AtomicFile.h"
#include "platform/Notice.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
// One settings object for the whole program: every new note reads it, so it is parsed once
// rather than once per window. Writes go to disk at once.
QSettings& settings() {
    static QSettings s(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
    return s;
}

// Numbers are stored as decimal text and read in single precision, as they always were.
double readNumber(const QSettings& s, const char* key, double fallback) {
    const QVariant v = s.value(QLatin1String(key));
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const float f = v.toString().trimmed().toFloat(&ok);
    return ok ? double(f) : fallback;
}

// "True"/"False" in any case, or a number (non-zero is true); anything else gives the default.
bool readBool(const QSettings& s, const char* key, bool fallback) {
    const QString t = s.value(QLatin1String(key)).toString().trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double n = t.toDouble(&ok);
    return ok ? n != 0 : fallback;
}

QString number(double v) {
    return QString::number(v, 'g', 9);
}
} // namespace

namespace NoteSettings {

NewNote readNewNote() {
    QSettings& s = settings();
    s.beginGroup(QStringLiteral("Config"));
    NewNote n;
    n.saveSettings = readBool(s, "SaveSetting", false);
    const float screenW = float(Twips::screenWidth());
    const float screenH = float(Twips::screenHeight());
    if (n.saveSettings) {
        n.color = s.value(QStringLiteral("Color"), QStringLiteral("yellow")).toString();
        n.height = readNumber(s, "Height", DefaultHeight);
        n.width = readNumber(s, "Width", DefaultWidth);
        n.top = readNumber(s, "Top", double((screenH - float(n.height)) / 2));
        n.left = readNumber(s, "Left", double((screenW - float(n.width)) / 2));
    } else {
        n.color = QStringLiteral("yellow");
        n.width = DefaultWidth;
        n.height = DefaultHeight;
        n.left = double((screenW - float(n.width)) / 2);
        n.top = double((screenH - float(n.height)) / 2);
    }
    s.endGroup();
    return n;
}

void write(bool saveSettings, const QString& color, double height, double width, double top,
           double left) {
    QSettings& s = settings();
    s.beginGroup(QStringLiteral("Config"));
    // Every note writes its settings as it closes; only a change goes to disk, so a logoff of a
    // thousand notes does not rewrite the file a thousand times.
    bool changed = false;
    const auto set = [&s, &changed](const QString& key, const QString& value) {
        if (s.value(key).toString() != value) {
            s.setValue(key, value);
            changed = true;
        }
    };
    if (saveSettings) {
        set(QStringLiteral("Color"), color);
        set(QStringLiteral("Height"), number(height));
        set(QStringLiteral("Width"), number(width));
        set(QStringLiteral("Top"), number(top));
        set(QStringLiteral("Left"), number(left));
    }
    set(QStringLiteral("SaveSetting"),
        saveSettings ? QStringLiteral("True") : QStringLiteral("False"));
    s.endGroup();
    if (!changed)
        return;
    // Settings are the user's own: in a folder of the owner's alone, readable by the owner
    // alone, as the notes are. QSettings keeps a file's permissions when it rewrites it.
    AtomicFile::makePrivateFolder(QFileInfo(s.fileName()).absolutePath());
    s.sync();
    if (s.status() != QSettings::NoError) {
        // QSettings writes through QSaveFile, so the old file stays whole where it can;
        // the user hears that the new settings are not kept. The values stay in memory, so an
        // unchanged setting does not bring the notice back at every close.
        Notice::show(QCoreApplication::translate("NoteSettings", "Settings could not be saved"),
                     QCoreApplication::translate("NoteSettings",
                                                 "Pinleaf could not write its settings file:"
                                                 "\n\n%1\n\nThe settings chosen now last only "
                                                 "until Pinleaf ends.")
                         .arg(s.fileName()));
        return;
    }
    QFile::setPermissions(s.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace NoteSettings
