#pragma once
#include <QObject>

// Tells whoever keeps copies of the notes that one of them changed: its text, colour, size or
// place, or a note opened or closed. No window knows the others; start-up listens here.
class NoteActivity : public QObject {
    Q_OBJECT
public:
    static NoteActivity* instance();
    static void notify() { emit instance()->changed(); }

signals:
    void changed();
};
