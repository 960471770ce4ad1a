#pragma once
#include "platform/GlobalShortcut.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

// The capture shortcut: a key of the whole desktop (Ctrl+Alt+N unless the settings name
// another) that opens a new note from any program, holding the text selected there.
class CaptureKey : public QObject {
    Q_OBJECT
public:
    // Reads the setting and, from the event loop (once start-up's first notes are up), takes
    // the key and opens a note at each press. When another program holds the key, a notice says
    // so once (not again at later starts while it stays so).
    static CaptureKey* start(QObject* parent);

    // The shortcut in use.
    QKeySequence sequence() const { return m_sequence; }
    // Empty while the shortcut works or is still to be taken; else a sentence that says why it
    // does not work. problemChanged() tells when the key has been tried.
    QString problem() const;

    // The settings value in group "Config" that names the shortcut, in QKeySequence's portable
    // text ("Ctrl+Alt+N"), and the one that remembers a shortcut already reported as taken.
    static constexpr const char* SettingKey = "CaptureShortcut";
    static constexpr const char* ReportedKey = "CaptureShortcutReported";
    static QKeySequence defaultSequence();
    // The shortcut the settings name; the default when the value is absent, empty, or not a
    // shortcut the window systems can have.
    static QKeySequence configuredSequence();

    // What a start with the key in `status` does: whether the notice shows, and which shortcut
    // is remembered as reported afterwards (empty: none). Only a shortcut held by another program
    // is reported, once; one that works again is forgotten, so its next loss is reported anew.
    struct Report {
        bool notice = false;
        QString reported;
    };
    static Report reportFor(GlobalShortcut::Status status, const QString& sequence,
                            const QString& reportedBefore);

    // The longest selection a captured note takes (characters); a longer one opens a plain note.
    static constexpr qsizetype MaxCapturedText = qsizetype(16) * 1024 * 1024;

signals:
    void problemChanged(const QString& problem);

private:
    explicit CaptureKey(QObject* parent) : QObject(parent) {}
    void take();
    void capture();

    QKeySequence m_sequence;
    GlobalShortcut* m_shortcut = nullptr;
};
