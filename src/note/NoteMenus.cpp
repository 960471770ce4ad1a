#include "note/NoteMenus.h"

#include "note/ColorScheme.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {
const char* const SizeCaptions[] = {"Small", "Normal", "Medium", "Large", "Largest"};

QAction* item(QMenu* menu, const char* caption, bool checkable = false) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setCheckable(checkable);
    return a;
}

// A shortcut that the menu shows beside the item; the text box itself handles the keys.
QAction* itemWithKeys(QMenu* menu, const char* caption, QKeySequence::StandardKey key) {
    QAction* a = item(menu, caption);
    a->setShortcut(QKeySequence(key));
    a->setShortcutContext(Qt::WidgetShortcut);
    return a;
}

QMenu* submenu(QMenu* parent, const char* title) {
    QMenu* m = parent->addMenu(QString::fromLatin1(title));
    return m;
}
} // namespace

void NoteMenus::buildMenus(QWidget* owner) {
    buildMainMenu(owner);
    buildSelectMenu(owner);
    buildSystemMenu(owner);
}

void NoteMenus::buildMainMenu(QWidget* owner) {
    QMenu* m = mnuPopUpMenu = new QMenu(QStringLiteral("PopUpMenu"), owner);
    mnuNew = item(m, "&New");
    mnuOpen = item(m, "&Open");
    mnuSpecial = submenu(m, "Special Note");
    mnuSNTime = item(mnuSpecial, "Time");
    mnuComputerMemory = item(mnuSpecial, "Computer Memory");
    mnuDrives = item(mnuSpecial, "Drive Information");
    for (QAction* a : {mnuSNTime, mnuComputerMemory, mnuDrives})
        a->setVisible(false);
    m->addSeparator();
    mnuSave[0] = item(m, "&Save");
    mnuSave[1] = item(m, "Save As");
    mnuEmail = item(m, "Email Content");
    m->addSeparator();
    mnuPrint = item(m, "&Print");
    m->addSeparator();
    mnuEdit[0] = itemWithKeys(m, "&Paste", QKeySequence::Paste);
    mnuEdit[1] = itemWithKeys(m, "Undo", QKeySequence::Undo);
    mnuEdit[2] = item(m, "Clear All");
    m->addSeparator();
    mnuFont = submenu(m, "Font");
    mnuFontStyle = submenu(mnuFont, "Style");
    mnuFontNormal = item(mnuFontStyle, "Normal", true);
    mnuFontNormal->setChecked(true);
    mnuFontItalic = item(mnuFontStyle, "Italic", true);
    mnuFontUnderline = item(mnuFontStyle, "Underline", true);
    mnuFontBold = item(mnuFontStyle, "Bold", true);
    mnuFontSizes = submenu(mnuFont, "Size");
    for (int i = 0; i < 5; ++i)
        mnuFontSize[i] = item(mnuFontSizes, SizeCaptions[i]);
    mnuColor = submenu(m, "Note Color");
    for (int i = 0; i < 6; ++i)
        mnuSetColor[i] = item(mnuColor, ColorScheme::Schemes[i].caption, true);
    mnuSaveSettings = item(m, "Save Settings", true);
    m->addSeparator();
    mnuTop = item(m, "Always on Top", true);
    mnuTop->setChecked(true);
    m->addSeparator();
    mnuHelp = item(m, "Help");
    mnuTarvo = item(m, "Tarvo Website");
    mnuAbout = item(m, "About");
}

void NoteMenus::buildSelectMenu(QWidget* owner) {
    QMenu* m = mnuPopUpSelect = new QMenu(QStringLiteral("PopUpSelect"), owner);
    mnuSelectCompleted = item(m, "Strike-Out");
    mnuRemoveFormat = item(m, "Remove Format");
    m->addSeparator();
    mnuEmailSelection = item(m, "Email Selection");
    m->addSeparator();
    mnuSelectEdit[0] = itemWithKeys(m, "Cut", QKeySequence::Cut);
    mnuSelectEdit[1] = itemWithKeys(m, "Copy", QKeySequence::Copy);
    mnuSelectEdit[2] = item(m, "Undo");
    m->addSeparator();
    mnuSelectSize = submenu(m, "Font Size");
    for (int i = 0; i < 5; ++i)
        mnuSelectFontSize[i] = item(mnuSelectSize, SizeCaptions[i]);
    mnuSelectFontStyle = submenu(m, "Font Style");
    const char* const styles[] = {"Italic", "Underline", "Bold"};
    for (int i = 0; i < 3; ++i)
        mnuSelectStyle[i] = item(mnuSelectFontStyle, styles[i]);
}

void NoteMenus::buildSystemMenu(QWidget* owner) {
    QMenu* m = mnuSystemMenu = new QMenu(QStringLiteral("Popup2"), owner);
    mnuSystemNew = item(m, "&New");
    mnuSystemMinimize = item(m, "Minimize");
    mnuSystemRestore = item(m, "Restore Size");
    m->addSeparator();
    mnuSystemReset = item(m, "Reset");
    mnuSystemClose = item(m, "Close");
}
