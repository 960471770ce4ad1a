#pragma once
#include <array>

class QAction;
class QMenu;
class QWidget;

// The note window's three pop-up menus and their items, named as the window's controls. They are
// built once per window; their check and enabled states are whatever the commands last set.
struct NoteMenus {
    // Main menu.
    QMenu* mnuPopUpMenu = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuSpecial = nullptr;
    QAction* mnuSNTime = nullptr;
    QAction* mnuComputerMemory = nullptr;
    QAction* mnuDrives = nullptr;
    std::array<QAction*, 2> mnuSave{};
    QAction* mnuEmail = nullptr;
    QAction* mnuPrint = nullptr;
    std::array<QAction*, 3> mnuEdit{};
    QMenu* mnuFont = nullptr;
    QMenu* mnuFontStyle = nullptr;
    QAction* mnuFontNormal = nullptr;
    QAction* mnuFontItalic = nullptr;
    QAction* mnuFontUnderline = nullptr;
    QAction* mnuFontBold = nullptr;
    QMenu* mnuFontSizes = nullptr;
    std::array<QAction*, 5> mnuFontSize{};
    QMenu* mnuColor = nullptr;
    std::array<QAction*, 6> mnuSetColor{};
    QAction* mnuSaveSettings = nullptr;
    QAction* mnuTop = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuTarvo = nullptr;
    QAction* mnuAbout = nullptr;

    // Selection menu.
    QMenu* mnuPopUpSelect = nullptr;
    QAction* mnuSelectCompleted = nullptr;
    QAction* mnuRemoveFormat = nullptr;
    QAction* mnuEmailSelection = nullptr;
    std::array<QAction*, 3> mnuSelectEdit{};
    QMenu* mnuSelectSize = nullptr;
    std::array<QAction*, 5> mnuSelectFontSize{};
    QMenu* mnuSelectFontStyle = nullptr;
    std::array<QAction*, 3> mnuSelectStyle{};

    // Window menu of the caption icon.
    QMenu* mnuSystemMenu = nullptr;
    QAction* mnuSystemNew = nullptr;
    QAction* mnuSystemMinimize = nullptr;
    QAction* mnuSystemRestore = nullptr;
    QAction* mnuSystemReset = nullptr;
    QAction* mnuSystemClose = nullptr;

    void buildMenus(QWidget* owner);

private:
    void buildMainMenu(QWidget* owner);
    void buildSelectMenu(QWidget* owner);
    void buildSystemMenu(QWidget* owner);
};
