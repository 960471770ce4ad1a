// Placeholder until the editing commands land; replaced by their implementation.
#include "note/frmMain.h"

#include "platform/RichTextBox.h"

void frmMain::wireEditCommands() {}
void frmMain::onTextDropped(const DroppedData&) {}
void frmMain::DisplayHelpNote() {}
