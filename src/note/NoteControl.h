#pragma once

#include <QAccessible>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPixmapCache>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

// One of a note's small controls: the caption strip, a picture or the date stamp. A control is
// not a widget: the note window draws its controls and finds them under the pointer, so a note
// costs one window and one text box, with no widget of its own to make, show, paint or announce
// for each control.
//
// A control shows a picture stretched over it, or one line of plain text drawn left-aligned and
// centred vertically in its font and the window's text colour, or that text on a filled strip.
class NoteControl {
public:
    // A control drawn on `window`, which it asks to repaint its place when it changes.
    explicit NoteControl(QWidget* window) : m_window(window) {}
    NoteControl(const NoteControl&) = delete;
    NoteControl& operator=(const NoteControl&) = delete;

    // The control's place in the window.
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect& geometry);
    int height() const { return m_geometry.height(); }
    // The control's own rectangle, its top-left corner at the origin.
    QRect rect() const { return QRect(QPoint(), m_geometry.size()); }
    // A point of the control on the screen.
    QPoint mapToGlobal(const QPoint& local) const;

    QString text() const { return m_text; }
    // The text is shown as written, never as markup.
    void setText(const QString& text);
    QFont font() const { return m_font; }
    void setFont(const QFont& font);

    // A picture drawn at `drawnPx` pixels square and stretched over the control. The stretched
    // drawing is made when the control is drawn at a size or pixel ratio it has not had, and is
    // shared by every control showing the same picture at that size.
    void setPicture(const QIcon& icon, int drawnPx);
    // The stretched drawing as the control shows it now.
    QPixmap picture() const;

    // A strip filled with `fill` under text of colour `ink`. Every note shows the same strip, so
    // its drawing is made once for each text and size and then copied.
    void setStrip(const QColor& fill, const QColor& ink);

    // What the pointer resting on the control shows; empty for none.
    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString& tip) { m_toolTip = tip; }
    // What a screen reader says of the control.
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString& name) { m_accessibleName = name; }
    QString accessibleDescription() const { return m_accessibleDescription; }
    void setAccessibleDescription(const QString& text) { m_accessibleDescription = text; }
    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    // What a click on the control does, for those reached by keyboard or a screen reader
    // rather than the pointer; empty for a control that takes no click.
    void setPress(std::function<void()> press) { m_press = std::move(press); }
    bool canPress() const { return bool(m_press); }
    void press() const {
        if (m_press)
            m_press();
    }

    // Draws the control at its place on a painter open on the window. A valid `paper` says that
    // only paper of that colour lies under the control.
    void draw(QPainter& p, const QColor& paper = QColor()) const;

private:
    qreal pixelRatio() const;
    QPixmap stripDrawing() const;
    void drawText(QPainter& p) const;
    void changed();

    QWidget* m_window;
    QRect m_geometry;
    QString m_text;
    QFont m_font;
    QIcon m_icon;
    int m_drawnPx = 0;
    mutable QPixmap m_picture;
    QColor m_fill;
    QColor m_ink;
    QString m_toolTip;
    QString m_accessibleName;
    QString m_accessibleDescription;
    QAccessible::Role m_role = QAccessible::StaticText;
    std::function<void()> m_press;
    // The strip drawing's place in the pixmap cache and the pixel ratio it was made for, and the
    // text's ascent and height in the control's font; made when first drawn after a change.
    mutable QPixmapCache::Key m_stripKey;
    mutable qreal m_stripRatio = 0;
    mutable qreal m_ascent = -1;
    mutable qreal m_textHeight = 0;
};
