#include "note/NoteWindowState.h"

#include "note/NoteSettings.h"

double RestoreSize::height() const {
    return known() ? m_height : NoteSettings::DefaultHeight;
}

double RestoreSize::width() const {
    return known() ? m_width : NoteSettings::DefaultWidth;
}
