// The note window's settings and colour commands.
#include "note/frmMain.h"

#include "note/ColorScheme.h"
#include "note/NoteSettings.h"

#include <QAction>

void frmMain::wireCommands(const NoteMenuItems& m) {
    // The item's own check mark flips when it is chosen; the settings follow it.
    connect(m.mnuSaveSettings, &QAction::triggered, this, &frmMain::onSaveSettings);
    for (int i = 0; i < int(m.mnuSetColor.size()); ++i) {
        connect(m.mnuSetColor[i], &QAction::triggered, this,
                [this, i] { SetColor(QLatin1String(ColorScheme::Schemes[i].name)); });
    }
}

void frmMain::onSaveSettings() {
    WriteSettings();
}

void frmMain::WriteSettings() {
    NoteSettings::write(isSaveSettingsChecked(), m_colorScheme, Height(), Width(), Top(), Left());
}
