#pragma once

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

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // A strip filled with `fill` under text of colour `ink`. Every note shows the same strip, so
    // its drawing is made once for each text and size and then copied.
    void setStrip(const QColor& fill, const QColor& ink);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap stripDrawing() const;

    QString m_text;
    QPixmap m_picture;
    QColor m_fill;
    QColor m_ink;
};
