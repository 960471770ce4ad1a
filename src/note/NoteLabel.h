#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// One of a note's small controls: a picture stretched over the control, or one line of plain
// text drawn left-aligned and centred vertically in the control's font and the palette's window
// text colour. A note has six; each draws itself with one painter call, without the style, frame
// and layout passes of a full label.
class NoteLabel : public QWidget {
public:
    explicit NoteLabel(QWidget* parent);

    QString text() const { return m_text; }
    // The text is shown as written, never as markup.
    void setText(const QString& text);

    // A picture drawn at `drawnPx` pixels square and stretched over the control. The stretched
    // drawing is made when the control is painted at a size or pixel ratio it has not had, and
    // is shared by every control showing the same picture at that size.
    void setPicture(const QIcon& icon, int drawnPx);
    // The stretched drawing as the control shows it now.
    QPixmap picture() const;

    // A strip filled with `fill` under text of colour `ink`. Every note shows the same strip, so
    // its drawing is made once for each text and size and then copied.
    void setStrip(const QColor& fill, const QColor& ink);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap stripDrawing() const;

    QString m_text;
    QIcon m_icon;
    int m_drawnPx = 0;
    mutable QPixmap m_picture;
    QColor m_fill;
    QColor m_ink;
};
