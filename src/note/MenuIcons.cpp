#include "note/MenuIcons.h"

#include "note/ImageList.h"
#include "platform/BgrColor.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

void MenuIcons::attach(QWidget* window) {
    m_window = window;
}

void MenuIcons::setImageList(const ImageList* list) {
    m_list = list;
}

void MenuIcons::setDrawPictures(bool on) {
    m_draw = on;
    for (auto it = m_icons.cbegin(); it != m_icons.cend(); ++it)
        apply(it.key(), it.value());
}

void MenuIcons::setTextColor(quint32 bgr) {
    m_textColor = bgr;
    m_hasTextColor = true;
    if (m_window) {
        for (QMenu* menu : m_window->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            polish(menu);
    }
}

void MenuIcons::polish(QMenu* menu) const {
    if (!m_hasTextColor)
        return;
    const QColor c = fromBgr(m_textColor);
    QPalette p = menu->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::WindowText, c);
        p.setColor(g, QPalette::ButtonText, c);
        p.setColor(g, QPalette::Text, c);
    }
    menu->setPalette(p);
}

void MenuIcons::setItemIcon(const QString& caption, int zeroBasedIndex) {
    m_icons.insert(caption, zeroBasedIndex);
    apply(caption, zeroBasedIndex);
}

void MenuIcons::apply(const QString& caption, int zeroBasedIndex) {
    if (!m_window || !m_list)
        return;
    const QIcon icon = m_draw ? m_list->picture(zeroBasedIndex) : QIcon();
    if (m_actions.isEmpty())
        m_actions = m_window->findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    for (QAction* action : std::as_const(m_actions)) {
        if (action->text() == caption) {
            action->setIcon(icon);
            action->setIconVisibleInMenu(m_draw);
        }
    }
}
