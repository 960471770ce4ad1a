#include "note/NoteActivity.h"

NoteActivity* NoteActivity::instance() {
    // Never destroyed: a window may still report a change while the program ends.
    static auto* hub = new NoteActivity;
    return hub;
}
