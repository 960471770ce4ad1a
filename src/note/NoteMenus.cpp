#include "note/NoteMenus.h"

#include "note/ColorScheme.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include <iterator>

namespace {
const char* const SizeCaptions[] = {
    QT_TRANSLATE_NOOP("NoteMenus", "Small"), QT_TRANSLATE_NOOP("NoteMenus", "Normal"),
    QT_TRANSLATE_NOOP("NoteMenus", "Medium"), QT_TRANSLATE_NOOP("NoteMenus", "Large"),
    QT_TRANSLATE_NOOP("NoteMenus", "Largest")};
const char* const StyleCaptions[] = {QT_TRANSLATE_NOOP("NoteMenus", "Italic"),
                                     QT_TRANSLATE_NOOP("NoteMenus", "Underline"),
                                     QT_TRANSLATE_NOOP("NoteMenus", "Bold")};

QAction* item(QWidget* owner, const char* caption, bool checkable = false) {
    auto* a = new QAction(QCoreApplication::translate("NoteMenus", caption), owner);
    a->setCheckable(checkable);
    return a;
}

// An item whose caption is translated already.
QAction* checkableItem(QWidget* owner, const QString& caption) {
    auto* a = new QAction(caption, owner);
    a->setCheckable(true);
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

NoteMenus::~NoteMenus() = default;

const NoteMenuItems& NoteMenus::menuItems() {
    if (!m_items)
        createMenuItems();
    return *m_items;
}

bool NoteMenus::isTopChecked() const {
    return m_items ? m_items->mnuTop->isChecked() : m_states.top;
}

void NoteMenus::setTopChecked(bool on) {
    m_states.top = on;
    if (m_items)
        m_items->mnuTop->setChecked(on);
}

bool NoteMenus::isSaveSettingsChecked() const {
    return m_items ? m_items->mnuSaveSettings->isChecked() : m_states.saveSettings;
}

void NoteMenus::setSaveSettingsChecked(bool on) {
    m_states.saveSettings = on;
    if (m_items)
        m_items->mnuSaveSettings->setChecked(on);
}

void NoteMenus::setCheckedColor(int index) {
    m_states.color = index;
    if (m_items) {
        for (int i = 0; i < int(m_items->mnuSetColor.size()); ++i)
            m_items->mnuSetColor[i]->setChecked(i == index);
    }
}

bool NoteMenus::isSaveEnabled() const {
    return m_items ? m_items->mnuSave[0]->isEnabled() : m_states.saveEnabled;
}

void NoteMenus::setSaveEnabled(bool on) {
    m_states.saveEnabled = on;
    if (m_items) {
        for (QAction* a : m_items->mnuSave)
            a->setEnabled(on);
    }
}

void NoteMenus::setMinimizeEnabled(bool on) {
    m_states.minimizeEnabled = on;
    if (m_items)
        m_items->mnuSystemMinimize->setEnabled(on);
}

void NoteMenus::createMenuItems() {
    QWidget* owner = m_owner;
    m_items = std::make_unique<NoteMenuItems>();
    NoteMenuItems& m = *m_items;
    m.mnuNew = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "&New"));
    m.mnuOpen = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "&Open"));
    m.mnuSpecial = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Special Note"));
    m.mnuSNTime = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Time"));
    m.mnuSNWeather = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Weather"));
    m.mnuSNStock = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Stocks"));
    m.mnuSNNotes = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Pinleaf Notes"));
    m.mnuComputerMemory = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Computer Memory"));
    m.mnuDrives = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Drive Information"));
    // Kinds of special note that are not offered: their items stay hidden and do nothing.
    for (QAction* a : {m.mnuSNWeather, m.mnuSNStock, m.mnuSNNotes})
        a->setVisible(false);
    m.mnuSave[0] = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "&Save"));
    m.mnuSave[1] = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Save As"));
    m.mnuEmail = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Email Content"));
    m.mnuPrint = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "&Print"));
    m.mnuEdit[0] =
        itemWithKeys(owner, QT_TRANSLATE_NOOP("NoteMenus", "&Paste"), QKeySequence::Paste);
    m.mnuEdit[1] = itemWithKeys(owner, QT_TRANSLATE_NOOP("NoteMenus", "Undo"), QKeySequence::Undo);
    m.mnuEdit[2] = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Clear All"));
    m.mnuFont = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Font"));
    m.mnuFontStyle = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Style"));
    m.mnuFontNormal = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Normal"), true);
    m.mnuFontNormal->setChecked(true);
    m.mnuFontItalic = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Italic"), true);
    m.mnuFontUnderline = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Underline"), true);
    m.mnuFontBold = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Bold"), true);
    m.mnuFontSizes = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Size"));
    for (int i = 0; i < int(std::size(SizeCaptions)); ++i)
        m.mnuFontSize[i] = item(owner, SizeCaptions[i]);
    m.mnuColor = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Note Color"));
    for (int i = 0; i < int(m.mnuSetColor.size()); ++i)
        m.mnuSetColor[i] = checkableItem(owner, ColorScheme::caption(i));
    m.mnuSaveSettings = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Save Settings"), true);
    m.mnuTop = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Always on Top"), true);
    m.mnuHelp = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Help"));
    m.mnuTarvo = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Tarvo Website"));
    m.mnuAbout = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "About"));

    m.mnuSelectCompleted = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Strike-Out"));
    m.mnuRemoveFormat = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Remove Format"));
    m.mnuEmailSelection = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Email Selection"));
    m.mnuSelectEdit[0] =
        itemWithKeys(owner, QT_TRANSLATE_NOOP("NoteMenus", "Cut"), QKeySequence::Cut);
    m.mnuSelectEdit[1] =
        itemWithKeys(owner, QT_TRANSLATE_NOOP("NoteMenus", "Copy"), QKeySequence::Copy);
    m.mnuSelectEdit[2] = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Undo"));
    m.mnuSelectSize = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Font Size"));
    for (int i = 0; i < int(std::size(SizeCaptions)); ++i)
        m.mnuSelectFontSize[i] = item(owner, SizeCaptions[i]);
    m.mnuSelectFontStyle = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Font Style"));
    for (int i = 0; i < int(std::size(StyleCaptions)); ++i)
        m.mnuSelectStyle[i] = item(owner, StyleCaptions[i]);

    m.mnuSystemNew = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "&New"));
    m.mnuSystemMinimize = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Minimize"));
    m.mnuSystemRestore = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Restore Size"));
    m.mnuSystemReset = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Reset"));
    m.mnuSystemClose = item(owner, QT_TRANSLATE_NOOP("NoteMenus", "Close"));

    m.mnuTop->setChecked(m_states.top);
    m.mnuSaveSettings->setChecked(m_states.saveSettings);
    for (int i = 0; i < int(m.mnuSetColor.size()); ++i)
        m.mnuSetColor[i]->setChecked(i == m_states.color);
    for (QAction* a : m.mnuSave)
        a->setEnabled(m_states.saveEnabled);
    m.mnuSystemMinimize->setEnabled(m_states.minimizeEnabled);
    menuItemsMade(m);
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

void NoteMenus::buildMenus() {
    if (m_popUpMenu)
        return;
    const NoteMenuItems& m = menuItems();
    QList<QMenu*> menus;
    // An item that opens a submenu, added to `parent`.
    auto addSubmenu = [&](QMenu* parent, QAction* item) {
        auto* submenu = new QMenu(item->text(), m_owner);
        item->setMenu(submenu);
        parent->addAction(item);
        menus << submenu;
        return submenu;
    };
    QMenu* menu = m_popUpMenu = new QMenu(QStringLiteral("PopUpMenu"), m_owner);
    menu->addActions({m.mnuNew, m.mnuOpen});
    addSubmenu(menu, m.mnuSpecial)
        ->addActions({m.mnuSNTime, m.mnuSNWeather, m.mnuSNStock, m.mnuSNNotes, m.mnuComputerMemory,
                      m.mnuDrives});
    menu->addSeparator();
    menu->addActions({m.mnuSave[0], m.mnuSave[1], m.mnuEmail});
    menu->addSeparator();
    menu->addAction(m.mnuPrint);
    menu->addSeparator();
    menu->addActions({m.mnuEdit[0], m.mnuEdit[1], m.mnuEdit[2]});
    menu->addSeparator();
    QMenu* font = addSubmenu(menu, m.mnuFont);
    addSubmenu(font, m.mnuFontStyle)
        ->addActions({m.mnuFontNormal, m.mnuFontItalic, m.mnuFontUnderline, m.mnuFontBold});
    addSubmenu(font, m.mnuFontSizes)->addActions({m.mnuFontSize.begin(), m.mnuFontSize.end()});
    addSubmenu(menu, m.mnuColor)->addActions({m.mnuSetColor.begin(), m.mnuSetColor.end()});
    menu->addAction(m.mnuSaveSettings);
    menu->addSeparator();
    menu->addAction(m.mnuTop);
    menu->addSeparator();
    menu->addActions({m.mnuHelp, m.mnuTarvo, m.mnuAbout});

    QMenu* s = m_popUpSelect = new QMenu(QStringLiteral("PopUpSelect"), m_owner);
    s->addActions({m.mnuSelectCompleted, m.mnuRemoveFormat});
    s->addSeparator();
    s->addAction(m.mnuEmailSelection);
    s->addSeparator();
    s->addActions({m.mnuSelectEdit.begin(), m.mnuSelectEdit.end()});
    s->addSeparator();
    addSubmenu(s, m.mnuSelectSize)
        ->addActions({m.mnuSelectFontSize.begin(), m.mnuSelectFontSize.end()});
    addSubmenu(s, m.mnuSelectFontStyle)
        ->addActions({m.mnuSelectStyle.begin(), m.mnuSelectStyle.end()});

    QMenu* w = m_systemMenu = new QMenu(QStringLiteral("Popup2"), m_owner);
    w->addActions({m.mnuSystemNew, m.mnuSystemMinimize, m.mnuSystemRestore});
    w->addSeparator();
    w->addActions({m.mnuSystemReset, m.mnuSystemClose});

    menus << menu << s << w;
    menusBuilt(menus);
}
