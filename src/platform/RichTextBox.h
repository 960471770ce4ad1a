#pragma once
#include <QString>
#include <QTextEdit>

class QMimeData;

// What a drop onto the text box offers: whether it carries a list of files, and the first one.
class DroppedData {
public:
    explicit DroppedData(const QMimeData* mime);
    bool hasFileList() const { return !m_files.isEmpty(); }
    QString firstFile() const { return m_files.isEmpty() ? QString() : m_files.first(); }
    QStringList files() const { return m_files; }

private:
    QStringList m_files; // local file paths, in drop order
};

// The note's rich edit control. Its plain text uses CR LF line breaks, and every position or
// length it takes or gives counts such a break as two characters, so callers see the same text
// whatever the document keeps inside.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    // Mouse button codes of the mouse-down notification.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    explicit RichTextBox(QWidget* parent = nullptr);

    // Whole plain text; setting it replaces content and formatting.
    QString text() const;
    void setText(const QString& text);

    // An empty selection at `pos`, clamped to the text.
    void setSelStart(int pos);
    int selStart() const;
    int selLength() const;

    // Selected text; setting it replaces the selection (or inserts at the caret) with the
    // attributes set on the selection just before.
    QString selText() const;
    void setSelText(const QString& text);

    void setSelBold(bool on);
    void setSelItalic(bool on);
    void setSelUnderline(bool on);
    void setSelStrikeThru(bool on);
    void setSelFontSize(double points);
    void setSelColor(quint32 bgr); // 0x00BBGGRR
    // Takes the colour of the selection's own, so it shows in the control's text colour.
    void clearSelColor();

    // The control's own font: setting the size applies it to the whole text and to what is
    // typed afterwards.
    void setFontSize(double points);
    double fontSize() const;

    void setBackColor(quint32 bgr); // 0x00BBGGRR
    // The colour of text that has none of its own.
    void setForeColor(quint32 bgr); // 0x00BBGGRR

    bool isReadOnly() const { return QTextEdit::isReadOnly(); }
    void setReadOnly(bool on);

    // Rich text may name pictures, style sheets and pages anywhere; the box loads none of them.
    // A picture shows as one transparent pixel, anything else is empty.
    QVariant loadResource(int type, const QUrl& name) override;

signals:
    void contentChanged();
    // A click of the left button in the text.
    void clicked();
    // Every key press, with its Windows-style virtual key code (93 for the context-menu key).
    void keyDown(int keyCode);
    // Every button press, with its button code (Button).
    void mouseDown(int button);
    // Anything dropped onto the box. The box itself inserts nothing.
    void dataDropped(const DroppedData& data);
    // Sent just before the user changes the text of an editable box, while it still holds the
    // text from before: a key that types a character (Tab included), Backspace, Delete, Return
    // or Enter, the cut shortcut, and a paste (middle-click paste too). Bare modifiers,
    // navigation and other shortcuts send nothing, nor does anything on a read-only box.
    void editing();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    // Pasted HTML keeps its character formatting and loses its pictures; plain text is
    // inserted as it is.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void mergeSelectionFormat(const QTextCharFormat& format);
    bool notifyPress(QMouseEvent* e);
    bool m_leftPressed = false;
};
