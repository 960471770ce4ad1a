#include "platform/GlobalShortcut.h"

#include "platform/ShortcutKeys.h"

GlobalShortcut::GlobalShortcut(const QKeySequence& sequence, QObject* parent)
    : QObject(parent), m_sequence(sequence) {
    ShortcutKeys::Chord chord;
    QString why;
    if (ShortcutKeys::chordOf(sequence, &chord, &why))
        take(chord.key, chord.modifiers);
    else
        setStatus(Refused, why);
}

void GlobalShortcut::setStatus(Status status, const QString& problem) {
    m_status = status;
    if (status == Active)
        m_problem.clear();
    else if (status == Taken)
        m_problem = tr("Another program already uses %1.")
                        .arg(m_sequence.toString(QKeySequence::NativeText));
    else
        m_problem = problem;
}

void GlobalShortcut::pressed() {
    QMetaObject::invokeMethod(this, &GlobalShortcut::activated, Qt::QueuedConnection);
}
