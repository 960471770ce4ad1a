#include "app/CaptureKey.h"

#include "note/frmMain.h"
#include "platform/AtomicFile.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "platform/ShortcutKeys.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QTimer>

namespace {

QSettings& settings() {
    static QSettings s(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
    return s;
}

QString readConfig(const char* key) {
    QSettings& s = settings();
    s.beginGroup(QStringLiteral("Config"));
    QString value = s.value(QLatin1String(key)).toString();
    s.endGroup();
    return value;
}

// Written only when it changes, privately as every settings value; a failure only means the
// notice may show again at the next start.
void writeConfig(const char* key, const QString& value) {
    if (readConfig(key) == value)
        return;
    QSettings& s = settings();
    s.beginGroup(QStringLiteral("Config"));
    if (value.isEmpty())
        s.remove(QLatin1String(key));
    else
        s.setValue(QLatin1String(key), value);
    s.endGroup();
    AtomicFile::makePrivateFolder(QFileInfo(s.fileName()).absolutePath());
    s.sync();
    if (s.status() == QSettings::NoError)
        QFile::setPermissions(s.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString portable(const QKeySequence& sequence) {
    return sequence.toString(QKeySequence::PortableText);
}

} // namespace

QKeySequence CaptureKey::defaultSequence() {
    return QKeySequence(Qt::ControlModifier | Qt::AltModifier | Qt::Key_N);
}

QKeySequence CaptureKey::configuredSequence() {
    const QString text = readConfig(SettingKey).trimmed();
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    // A text Qt cannot read gives an empty sequence or one with an unknown key.
    if (text.isEmpty() || !ShortcutKeys::chordOf(sequence, nullptr, nullptr))
        return defaultSequence();
    return sequence;
}

CaptureKey::Report CaptureKey::reportFor(GlobalShortcut::Status status, const QString& sequence,
                                         const QString& reportedBefore) {
    switch (status) {
    case GlobalShortcut::Active:
        return {false, QString()};
    case GlobalShortcut::Taken:
        return {reportedBefore != sequence, sequence};
    case GlobalShortcut::Unavailable:
    case GlobalShortcut::Refused:
        break;
    }
    // No shortcut on this display says nothing about the key: what was reported stays so.
    return {false, reportedBefore};
}

CaptureKey* CaptureKey::start(QObject* parent) {
    auto* key = new CaptureKey(parent);
    key->m_sequence = configuredSequence();
    QTimer::singleShot(0, key, &CaptureKey::take);
    return key;
}

QString CaptureKey::problem() const {
    return m_shortcut ? m_shortcut->problem() : QString();
}

void CaptureKey::take() {
    m_shortcut = new GlobalShortcut(m_sequence, this);
    connect(m_shortcut, &GlobalShortcut::activated, this, &CaptureKey::capture);
    const QString sequence = portable(m_sequence);
    const Report r = reportFor(m_shortcut->status(), sequence, readConfig(ReportedKey));
    writeConfig(ReportedKey, r.reported);
    if (r.notice) {
        Notice::show(tr("Shortcut taken"),
                     tr("Another program already uses %1, so Pinleaf cannot open new notes with "
                        "it. Pinleaf leaves the shortcut to that program and does not say this "
                        "again.\n\nTo use another shortcut, set %2 in the [Config] group of "
                        "%3, for example %2=Ctrl+Alt+J, and start Pinleaf again.")
                         .arg(m_sequence.toString(QKeySequence::NativeText),
                              QLatin1String(SettingKey), settings().fileName()));
    }
    if (!problem().isEmpty())
        emit problemChanged(problem());
}

// The text selected in another program (the X11 primary selection) goes into the new note;
// Windows has no such selection, so there the note opens with the placeholder.
void CaptureKey::capture() {
    if (SessionEnd::isEnding())
        return;
    QString text;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection())
        text = clipboard->text(QClipboard::Selection);
    if (text.size() > MaxCapturedText)
        text.clear();
    frmMain::openCapturedNote(text);
}
