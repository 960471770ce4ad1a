#pragma once
#include <QList>

#include <array>

class QAction;
class QMenu;
class QWidget;

// The note window's three pop-up menus and their items, named as the window's controls. The items
// exist from the window's construction and carry the check and enabled states that commands set;
// the menus that show them are put together the first time one is needed, which keeps a note,
// and a hundred of them at start-up, quick to open. An item that opens a submenu is an item too.
class NoteMenus {
public:
    virtual ~NoteMenus() = default;

    // Main menu.
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSpecial = nullptr;
    QAction* mnuSNTime = nullptr;
    QAction* mnuSNWeather = nullptr; // never shown
    QAction* mnuSNStock = nullptr;   // never shown
    QAction* mnuSNNotes = nullptr;   // never shown
    QAction* mnuComputerMemory = nullptr;
    QAction* mnuDrives = nullptr;
    std::array<QAction*, 2> mnuSave{};
    QAction* mnuEmail = nullptr;
    QAction* mnuPrint = nullptr;
    std::array<QAction*, 3> mnuEdit{};
    QAction* mnuFont = nullptr;
    QAction* mnuFontStyle = nullptr;
    QAction* mnuFontNormal = nullptr;
    QAction* mnuFontItalic = nullptr;
    QAction* mnuFontUnderline = nullptr;
    QAction* mnuFontBold = nullptr;
    QAction* mnuFontSizes = nullptr;
    std::array<QAction*, 5> mnuFontSize{};
    QAction* mnuColor = nullptr;
    std::array<QAction*, 6> mnuSetColor{};
    QAction* mnuSaveSettings = nullptr;
    QAction* mnuTop = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuTarvo = nullptr;
    QAction* mnuAbout = nullptr;

    // Selection menu.
    QAction* mnuSelectCompleted = nullptr;
    QAction* mnuRemoveFormat = nullptr;
    QAction* mnuEmailSelection = nullptr;
    std::array<QAction*, 3> mnuSelectEdit{};
    QAction* mnuSelectSize = nullptr;
    std::array<QAction*, 5> mnuSelectFontSize{};
    QAction* mnuSelectFontStyle = nullptr;
    std::array<QAction*, 3> mnuSelectStyle{};

    // Window menu of the caption icon.
    QAction* mnuSystemNew = nullptr;
    QAction* mnuSystemMinimize = nullptr;
    QAction* mnuSystemRestore = nullptr;
    QAction* mnuSystemReset = nullptr;
    QAction* mnuSystemClose = nullptr;

    // The three pop-up menus ("PopUpMenu", "PopUpSelect", "Popup2").
    QMenu* mnuPopUpMenu();
    QMenu* mnuPopUpSelect();
    QMenu* mnuSystemMenu();

protected:
    void createMenuItems(QWidget* owner);
    // Called once with every menu just put together, submenus included.
    virtual void menusBuilt(const QList<QMenu*>& menus) = 0;

private:
    void buildMenus();
    QMenu* addSubmenu(QMenu* parent, QAction* item);

    QWidget* m_owner = nullptr;
    QMenu* m_popUpMenu = nullptr;
    QMenu* m_popUpSelect = nullptr;
    QMenu* m_systemMenu = nullptr;
    QList<QMenu*> m_menus;
};
