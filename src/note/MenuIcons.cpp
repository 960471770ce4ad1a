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
    if (!m_window)
        return;
    const QColor c = fromBgr(bgr);
    for (QMenu* menu : m_window->findChildren<QMenu*>()) {
        QPalette p = menu->palette();
        p.setColor(QPalette::Active, QPalette::WindowText, c);
        p.setColor(QPalette::Inactive, QPalette::WindowText, c);
        p.setColor(QPalette::Active, QPalette::ButtonText, c);
        p.setColor(QPalette::Inactive, QPalette::ButtonText, c);
        menu->setPalette(p);
    }
}

void MenuIcons::setItemIcon(const QString& caption, int zeroBasedIndex) {
    m_icons.insert(caption, zeroBasedIndex);
    apply(caption, zeroBasedIndex);
}

void MenuIcons::apply(const QString& caption, int zeroBasedIndex) {
    if (!m_window || !m_list)
        return;
    const QIcon icon = m_draw ? m_list->picture(zeroBasedIndex) : QIcon();
    for (QMenu* menu : m_window->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text() == caption) {
                action->setIcon(icon);
                action->setIconVisibleInMenu(m_draw);
            }
        }
    }
}
