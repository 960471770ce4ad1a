#include "note/NoteMenus.h"

#include "note/ColorScheme.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {
const char* const SizeCaptions[] = {"Small", "Normal", "Medium", "Large", "Largest"};
const char* const StyleCaptions[] = {"Italic", "Underline", "Bold"};

QAction* item(QWidget* owner, const char* caption, bool checkable = false) {
    auto* a = new QAction(QString::fromLatin1(caption), owner);
    a->setCheckable(checkable);
    return a;
}

// A shortcut that the menu shows beside the item; the text box itself handles the keys.
QAction* itemWithKeys(QWidget* owner, const char* caption, QKeySequence::StandardKey key) {
    QAction* a = item(owner, caption);
    a->setShortcut(QKeySequence(key));
    a->setShortcutContext(Qt::WidgetShortcut);
    return a;
}
} // namespace

void NoteMenus::createMenuItems(QWidget* owner) {
    m_owner = owner;
    mnuNew = item(owner, "&New");
    mnuOpen = item(owner, "&Open");
    mnuSpecial = item(owner, "Special Note");
    mnuSNTime = item(owner, "Time");
    mnuSNWeather = item(owner, "Weather");
    mnuSNStock = item(owner, "Stocks");
    mnuSNNotes = item(owner, "Pinleaf Notes");
    mnuComputerMemory = item(owner, "Computer Memory");
    mnuDrives = item(owner, "Drive Information");
    // Kinds of special note that are not offered: their items stay hidden and do nothing.
    for (QAction* a : {mnuSNWeather, mnuSNStock, mnuSNNotes})
        a->setVisible(false);
    mnuSave[0] = item(owner, "&Save");
    mnuSave[1] = item(owner, "Save As");
    mnuEmail = item(owner, "Email Content");
    mnuPrint = item(owner, "&Print");
    mnuEdit[0] = itemWithKeys(owner, "&Paste", QKeySequence::Paste);
    mnuEdit[1] = itemWithKeys(owner, "Undo", QKeySequence::Undo);
    mnuEdit[2] = item(owner, "Clear All");
    mnuFont = item(owner, "Font");
    mnuFontStyle = item(owner, "Style");
    mnuFontNormal = item(owner, "Normal", true);
    mnuFontNormal->setChecked(true);
    mnuFontItalic = item(owner, "Italic", true);
    mnuFontUnderline = item(owner, "Underline", true);
    mnuFontBold = item(owner, "Bold", true);
    mnuFontSizes = item(owner, "Size");
    for (int i = 0; i < 5; ++i)
        mnuFontSize[i] = item(owner, SizeCaptions[i]);
    mnuColor = item(owner, "Note Color");
    for (int i = 0; i < 6; ++i)
        mnuSetColor[i] = item(owner, ColorScheme::Schemes[i].caption, true);
    mnuSaveSettings = item(owner, "Save Settings", true);
    mnuTop = item(owner, "Always on Top", true);
    mnuTop->setChecked(true);
    mnuHelp = item(owner, "Help");
    mnuTarvo = item(owner, "Tarvo Website");
    mnuAbout = item(owner, "About");

    mnuSelectCompleted = item(owner, "Strike-Out");
    mnuRemoveFormat = item(owner, "Remove Format");
    mnuEmailSelection = item(owner, "Email Selection");
    mnuSelectEdit[0] = itemWithKeys(owner, "Cut", QKeySequence::Cut);
    mnuSelectEdit[1] = itemWithKeys(owner, "Copy", QKeySequence::Copy);
    mnuSelectEdit[2] = item(owner, "Undo");
    mnuSelectSize = item(owner, "Font Size");
    for (int i = 0; i < 5; ++i)
        mnuSelectFontSize[i] = item(owner, SizeCaptions[i]);
    mnuSelectFontStyle = item(owner, "Font Style");
    for (int i = 0; i < 3; ++i)
        mnuSelectStyle[i] = item(owner, StyleCaptions[i]);

    mnuSystemNew = item(owner, "&New");
    mnuSystemMinimize = item(owner, "Minimize");
    mnuSystemRestore = item(owner, "Restore Size");
    mnuSystemReset = item(owner, "Reset");
    mnuSystemClose = item(owner, "Close");
}

QMenu* NoteMenus::mnuPopUpMenu() {
    buildMenus();
    return m_popUpMenu;
}

QMenu* NoteMenus::mnuPopUpSelect() {
    buildMenus();
    return m_popUpSelect;
}

QMenu* NoteMenus::mnuSystemMenu() {
    buildMenus();
    return m_systemMenu;
}

QMenu* NoteMenus::addSubmenu(QMenu* parent, QAction* item) {
    auto* menu = new QMenu(item->text(), m_owner);
    item->setMenu(menu);
    parent->addAction(item);
    m_menus << menu;
    return menu;
}

void NoteMenus::buildMenus() {
    if (m_popUpMenu)
        return;
    QMenu* m = m_popUpMenu = new QMenu(QStringLiteral("PopUpMenu"), m_owner);
    m->addActions({mnuNew, mnuOpen});
    addSubmenu(m, mnuSpecial)
        ->addActions(
            {mnuSNTime, mnuSNWeather, mnuSNStock, mnuSNNotes, mnuComputerMemory, mnuDrives});
    m->addSeparator();
    m->addActions({mnuSave[0], mnuSave[1], mnuEmail});
    m->addSeparator();
    m->addAction(mnuPrint);
    m->addSeparator();
    m->addActions({mnuEdit[0], mnuEdit[1], mnuEdit[2]});
    m->addSeparator();
    QMenu* font = addSubmenu(m, mnuFont);
    addSubmenu(font, mnuFontStyle)
        ->addActions({mnuFontNormal, mnuFontItalic, mnuFontUnderline, mnuFontBold});
    addSubmenu(font, mnuFontSizes)->addActions({mnuFontSize.begin(), mnuFontSize.end()});
    addSubmenu(m, mnuColor)->addActions({mnuSetColor.begin(), mnuSetColor.end()});
    m->addAction(mnuSaveSettings);
    m->addSeparator();
    m->addAction(mnuTop);
    m->addSeparator();
    m->addActions({mnuHelp, mnuTarvo, mnuAbout});

    QMenu* s = m_popUpSelect = new QMenu(QStringLiteral("PopUpSelect"), m_owner);
    s->addActions({mnuSelectCompleted, mnuRemoveFormat});
    s->addSeparator();
    s->addAction(mnuEmailSelection);
    s->addSeparator();
    s->addActions({mnuSelectEdit.begin(), mnuSelectEdit.end()});
    s->addSeparator();
    addSubmenu(s, mnuSelectSize)->addActions({mnuSelectFontSize.begin(), mnuSelectFontSize.end()});
    addSubmenu(s, mnuSelectFontStyle)->addActions({mnuSelectStyle.begin(), mnuSelectStyle.end()});

    QMenu* w = m_systemMenu = new QMenu(QStringLiteral("Popup2"), m_owner);
    w->addActions({mnuSystemNew, mnuSystemMinimize, mnuSystemRestore});
    w->addSeparator();
    w->addActions({mnuSystemReset, mnuSystemClose});

    m_menus << m << s << w;
    menusBuilt(m_menus);
}
