#pragma once
#include <QList>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QWidget;

// The items of a note window's three pop-up menus, named as the window's controls. An item that
// opens a submenu is an item too.
struct NoteMenuItems {
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
};

// A note window's menus. Neither the items nor the menus exist until one of them is first
// needed, which keeps a note, and hundreds of them at start-up, quick to open; most notes never
// show a menu. The check and enabled states that the window's commands set are kept here until
// then and given to the items when they are made; from then on the items hold them.
class NoteMenus {
public:
    explicit NoteMenus(QWidget* owner) : m_owner(owner) {}
    virtual ~NoteMenus();
    NoteMenus(const NoteMenus&) = delete;
    NoteMenus& operator=(const NoteMenus&) = delete;

    // The items, made with their commands and pictures the first time this is called.
    const NoteMenuItems& menuItems();

    // The three pop-up menus ("PopUpMenu", "PopUpSelect", "Popup2").
    QMenu* mnuPopUpMenu();
    QMenu* mnuPopUpSelect();
    QMenu* mnuSystemMenu();

    // "Always on Top", checked until the user unchecks it.
    bool isTopChecked() const;
    void setTopChecked(bool on);
    // "Save Settings".
    bool isSaveSettingsChecked() const;
    void setSaveSettingsChecked(bool on);
    // Checks the colour item at `index` (0 to 5) and unchecks the others; -1 unchecks all.
    void setCheckedColor(int index);
    // "&Save" and "Save As", enabled and disabled together.
    bool isSaveEnabled() const;
    void setSaveEnabled(bool on);
    // The window menu's "Minimize".
    void setMinimizeEnabled(bool on);

protected:
    // Called once with the items just made, to connect their commands and give them pictures.
    virtual void menuItemsMade(const NoteMenuItems& items) = 0;
    // Called once with every menu just put together, submenus included.
    virtual void menusBuilt(const QList<QMenu*>& menus) = 0;

private:
    // What the items show before they exist.
    struct States {
        bool top = true;
        bool saveSettings = false;
        int color = -1;
        bool saveEnabled = true;
        bool minimizeEnabled = true;
    };

    void createMenuItems();
    void buildMenus();

    QWidget* m_owner;
    States m_states;
    std::unique_ptr<NoteMenuItems> m_items;
    QMenu* m_popUpMenu = nullptr;
    QMenu* m_popUpSelect = nullptr;
    QMenu* m_systemMenu = nullptr;
};
