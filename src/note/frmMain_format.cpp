// The formatting commands: the main menu's style and size items and the selection menu's.
// Every command sets only what it names; everything else about the text stays as it was.
#include "note/frmMain.h"

#include "platform/RichTextBox.h"

#include <QAction>

#include <array>

namespace {
// Points of the "Small" to "Largest" items of both size submenus.
constexpr std::array<double, 5> SizePoints{8, 10, 12, 14, 16};
} // namespace

void frmMain::wireFormatCommands(const NoteMenuItems& m) {
    // A style item's own check mark has already flipped when its triggered signal arrives.
    connect(m.mnuFontNormal, &QAction::triggered, this, &frmMain::onFontNormal);
    connect(m.mnuFontBold, &QAction::triggered, this,
            [this](bool on) { onFontStyle(&RichTextBox::setSelBold, on); });
    connect(m.mnuFontItalic, &QAction::triggered, this,
            [this](bool on) { onFontStyle(&RichTextBox::setSelItalic, on); });
    connect(m.mnuFontUnderline, &QAction::triggered, this,
            [this](bool on) { onFontStyle(&RichTextBox::setSelUnderline, on); });
    for (int i = 0; i < int(SizePoints.size()); ++i) {
        connect(m.mnuFontSize[i], &QAction::triggered, this,
                [this, i] { RTB1->setFontSize(SizePoints[i]); });
        connect(m.mnuSelectFontSize[i], &QAction::triggered, this,
                [this, i] { RTB1->setSelFontSize(SizePoints[i]); });
    }
    for (int i = 0; i < int(m.mnuSelectStyle.size()); ++i)
        connect(m.mnuSelectStyle[i], &QAction::triggered, this, [this, i] { onSelectStyle(i); });
    connect(m.mnuSelectCompleted, &QAction::triggered, this,
            [this] { RTB1->setSelStrikeThru(true); });
    connect(m.mnuRemoveFormat, &QAction::triggered, this, &frmMain::onRemoveFormat);
}

// "Normal" clears the other three marks and their styles, whatever its own mark became.
void frmMain::onFontNormal() {
    const NoteMenuItems& m = menuItems();
    for (QAction* item : {m.mnuFontItalic, m.mnuFontBold, m.mnuFontUnderline})
        item->setChecked(false);
    RTB1->setSelUnderline(false);
    RTB1->setSelBold(false);
    RTB1->setSelItalic(false);
}

// "Bold", "Italic" and "Underline" follow their own check marks.
void frmMain::onFontStyle(void (RichTextBox::*setStyle)(bool), bool on) {
    menuItems().mnuFontNormal->setChecked(false);
    (RTB1->*setStyle)(on);
}

// The selection menu's styles only switch on; "Remove Format" switches them off.
void frmMain::onSelectStyle(int index) {
    switch (index) {
    case 0:
        RTB1->setSelItalic(true);
        break;
    case 1:
        RTB1->setSelUnderline(true);
        break;
    case 2:
        RTB1->setSelBold(true);
        break;
    default:
        break;
    }
}

// Size and colour are kept.
void frmMain::onRemoveFormat() {
    RTB1->setSelBold(false);
    RTB1->setSelItalic(false);
    RTB1->setSelUnderline(false);
    RTB1->setSelStrikeThru(false);
}
