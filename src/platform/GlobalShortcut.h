#pragma once
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

// One key combination that reaches the program whatever window has the keyboard: a key grab on
// the X11 root window, a hot key on Windows. The key is taken when the object is made and given
// back when it is destroyed; it is never taken from a program that holds it already.
class GlobalShortcut : public QObject {
    Q_OBJECT
public:
    enum Status {
        Active,      // the program has the key
        Taken,       // another program holds it
        Unavailable, // this window system gives programs no keys of the whole desktop
        Refused,     // the sequence cannot be such a key (see ShortcutKeys::chordOf)
    };

    explicit GlobalShortcut(const QKeySequence& sequence, QObject* parent = nullptr);

    QKeySequence sequence() const { return m_sequence; }
    Status status() const { return m_status; }
    // Empty while the key works; else a sentence that says why it does not.
    QString problem() const { return m_problem; }

signals:
    // The user pressed the key (once per press: a held key does not repeat).
    void activated();

private:
    // The window system's side, one implementation per platform, which also deletes it.
    struct Native;
    struct NativeDeleter {
        void operator()(Native* native) const;
    };
    void take(int key, Qt::KeyboardModifiers modifiers);
    // `problem` says why for Unavailable and Refused; Taken has a sentence of its own.
    void setStatus(Status status, const QString& problem);
    // A press has come: activated() follows from the event loop, outside the window system's
    // event handling.
    void pressed();

    QKeySequence m_sequence;
    Status m_status = Unavailable;
    QString m_problem;
    std::unique_ptr<Native, NativeDeleter> m_native;
};
