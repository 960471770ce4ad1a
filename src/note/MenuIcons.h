#pragma once
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class ImageList;
class QAction;
class QMenu;
class QWidget;

// Draws pictures beside the menu items of one window. Items are found by their caption, so a
// picture follows the text of an item, and a later picture for the same caption replaces the
// earlier one. Every menu item of the window (an action owned by it) with that caption gets the
// picture.
class MenuIcons {
public:
    void attach(QWidget* window);
    void setImageList(const ImageList* list);
    // Whether pictures are drawn at all.
    void setDrawPictures(bool on);
    // The colour (0x00BBGGRR) of the menus' item text.
    void setTextColor(quint32 bgr);
    // Gives a menu of the window the text colour; menus are made after the component is set up.
    void polish(QMenu* menu) const;
    // Gives every item captioned `caption` the image list's picture at `zeroBasedIndex`.
    void setItemIcon(const QString& caption, int zeroBasedIndex);

private:
    void apply(const QString& caption, int zeroBasedIndex);

    QPointer<QWidget> m_window;
    QList<QAction*> m_actions; // the window's items, gathered at the first picture
    const ImageList* m_list = nullptr;
    bool m_draw = false;
    quint32 m_textColor = 0;
    bool m_hasTextColor = false;
    QHash<QString, int> m_icons;
};
