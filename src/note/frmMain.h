#pragma once
#include "note/GripSizing.h"
#include "note/ImageList.h"
#include "note/MenuIcons.h"
#include "note/NoteControl.h"
#include "note/NoteLayout.h"
#include "note/NoteMenus.h"
#include "note/NoteWindowState.h"
#include "note/clsDockingHandler.h"
#include "store/NoteRecord.h"
#include "store/modNote.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QTimer;
class DroppedData;
class RichTextBox;

// One note on the desktop: a borderless window with its own caption strip, a rich text box,
// a date stamp and a sizing grip. Geometry is given and taken in twips.
class frmMain : public QWidget, public NoteMenus, public DockTarget {
    Q_OBJECT
public:
    using CloseCause = CloseState::Cause;

    explicit frmMain(QWidget* parent = nullptr);

    // The text of a new note until the user writes one.
    static QString placeholderText() { return tr("[Note]"); }
    // Whether `text` is the placeholder, in the user's language or as notes stored in English
    // before hold it.
    static bool isPlaceholder(const QString& text) {
        return text == placeholderText() || text == QLatin1String("[Note]");
    }
    ~frmMain() override;

    bool IsDirty() const { return m_isDirty; }
    void setIsDirty(bool dirty);

    // Applies one of the six colour schemes by name (any case); other names give black paper
    // with white text, and the name is kept as given.
    void SetColor(const QString& strColor);
    QString colorSchemeName() const { return m_colorScheme; }

    // Path of the note's file, empty when it has none, and which of the file's notes this note
    // is ("&Save" writes it back there and leaves the file's other notes as they are).
    QString Tag() const { return m_tag; }
    void setTag(const QString& path, const modNote::NoteFilePlace& place = {}) {
        m_tag = path;
        m_filePlace = place;
    }

    // Stores the "Save Settings" option, and with it on this note's colour and geometry as the
    // defaults for new notes.
    void WriteSettings();

    // Outer geometry in twips.
    double Left() const override;
    double Top() const override;
    double Width() const override;
    double Height() const override;
    // Moves and sizes the window in one step, in pixels, and brings it to the top of its band.
    void placeWindow(int x, int y, int width, int height) override;
    // Whatever a file gives, a note is at least as large as the rolled-up tile and at most as
    // large as all screens together, and its corner stays within two desktop sizes of them.
    // Values inside those bounds are taken exactly.
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Moves a note whose caption strip lies wholly outside every screen's work area onto the
    // nearest one, its whole caption strip inside; a note with any of the strip on a screen
    // stays exactly where it is.
    void ensureReachable();

    // The note as the notes store keeps it.
    NoteRecord toRecord() const;

    // A new window holding a stored note (text, colour, date, size, place) with `tag` as its
    // file, where it is the note at `indexInFile`, brought within reach of a screen, counted as
    // changed, and shown.
    static frmMain* openStoredNote(const NoteRecord& record, const QString& tag = QString(),
                                   qsizetype indexInFile = 0);

    // A new note made from outside any note (the capture shortcut, the tray): where a new note
    // opens (down and right of any note already standing exactly there), holding `plainText` when
    // it holds more than white space (else the placeholder), in front and active with the caret at
    // the end of its text.
    static frmMain* openCapturedNote(const QString& plainText);

    // The end of the user's logon: stores this note without asking (unless the caller has
    // stored every note already) and closes the window.
    void closeForLogoff(bool storedAlready = false);

    // The controls, named as the rest of the program knows them. The text box is a widget; the
    // others are drawn by the window.
    NoteControl* lblCaption = nullptr;
    NoteControl* imgIcon = nullptr;
    NoteControl* imgHelp = nullptr;
    NoteControl* CloseImage = nullptr;
    RichTextBox* RTB1 = nullptr;
    NoteControl* lblDate = nullptr;
    NoteControl* imgResize = nullptr;
    QTimer* Timer1 = nullptr;
    ImageList imgList;

    // The drawn controls in the order they are drawn, the last on top; none once the window is
    // being destroyed.
    QList<NoteControl*> drawnControls() const;
    // The drawn control at a point of the window, if the text box does not cover it there.
    NoteControl* controlAt(const QPoint& pos) const;

    const NoteLayout& layoutState() const { return m_layout; }
    clsDockingHandler* dockingHandler() const { return m_docking.get(); }

    // The open notes in the order their windows were created: those on screen and those the user
    // put out of sight.
    static QList<frmMain*> openNotes();
    // Brings the note before the user: shown again if it was put away, its size back if it was
    // rolled up, raised and active.
    void bringToFront();

    // Window commands.
    void newNote();
    void rollUp();
    void restoreSize();
    void reset();
    void toggleTopmost();
    // A note is rolled up while it is exactly as wide as the tile, compared in whole pixels.
    bool isRolledUp() const;

    // A new note, and the help note, open this far right of and below the note they come from.
    static constexpr double NewNoteOffsetTwips = 200;

    // Windows are numbered in the order they were created.
    quint64 creationIndex() const { return m_creationIndex; }

    // The key code of the last key-down the window received (Windows-style codes, as `VirtualKey`
    // names them).
    int LastKeyCode() const { return m_lastKeyCode; }

    // The kinds of note: a plain note, or a special note whose text the program writes.
    enum NoteType : qint32 { PlainNote = 0, TimeNote = 1, MemoryNote = 2, DrivesNote = 3 };
    // Refresh intervals of Timer1: the time every second, the figures every 32.5 seconds.
    static constexpr int TimeRefreshMs = 1000;
    static constexpr int FiguresRefreshMs = 32500;
    // Turns the note into a special note of that kind and keeps it up to date, or refreshes it.
    // Any other kind changes nothing.
    void DisplaySpecialNote(qint32 enNoteType);
    // The kind last shown; "Clear All" stops the refresh but leaves it.
    qint32 noteType() const { return m_noteType; }

protected:
    void menuItemsMade(const NoteMenuItems& m) override;
    void menusBuilt(const QList<QMenu*>& menus) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Construction (frmMain.cpp).
    void createControls();
    // A window for a stored note, which takes its colour and text from the note alone. Its
    // colours are in place before its controls are made, so they take them as they are made.
    struct Restoring {
        QString color;
    };
    explicit frmMain(const Restoring& note);
    void construct(bool restoring);
    // The window's palette for a colour scheme: paper and ink for the window and its text box.
    static QPalette notePalette(const QPalette& base, const QString& strColor);
    // A restored note skips the new note's colour and placeholder text.
    void loadWindow(bool restoring);
    void applyStartupGeometry(bool restoring);
    void attachMenuIcons();

    // Layout (frmMain_layout.cpp).
    void runLayout();
    void resizePixels(int w, int h);
    void placeControls();

    // Text box and pointer wiring (frmMain_events.cpp).
    void wireTextBox();
    // Gives a mouse event on the window to the control it belongs to: the one pressed while a
    // button is held, otherwise the one under the pointer. False when no control takes it.
    bool routeToControl(QMouseEvent* e);
    bool controlMouseEvent(NoteControl* control, QMouseEvent* e);
    void showToolTipAt(const QPoint& pos, const QPoint& globalPos);
    void updateCursorAt(const QPoint& pos);
    void onContentChanged();
    void onTextClicked();
    void onTextEditing();
    bool holdsPlaceholder() const;
    void clearPlaceholder();
    void onTextMouseDown(int button);
    void onTextKeyDown(int keyCode);
    QPoint caretPosition() const;
    void showContextMenuForText(const QPoint& at);
    void showPopup(QMenu* menu, const QPoint& at);
    void showWindowMenu();
    bool handleWindowKeys(const QKeyEvent* e);

    // Moving and corner sizing (frmMain_drag.cpp). `origin` is the top-left corner, in the
    // window, of what the pointer pressed.
    // The frame's top-left corner on the screen, where the window was last put during a drag.
    QPoint framePos() const { return m_heldFramePos.value_or(pos()); }
    void endDrag();
    bool handleDragEvent(const QPoint& origin, QEvent* e);
    void startDrag(const QPoint& origin, const QPointF& globalPos);
    void continueDrag(const QPoint& origin, const QPointF& globalPos);
    // Moves the window to the latest pointer position of the drag.
    void applyDrag();
    void onDragFrame();

    // Window menu commands (frmMain_window.cpp).
    void wireWindowCommands(const NoteMenuItems& m);

    // Commands (frmMain_settings.cpp).
    void wireCommands(const NoteMenuItems& m);
    void onSaveSettings();

    // Editing and formatting commands, file drops (frmMain_edit.cpp).
    void wireEditCommands(const NoteMenuItems& m);
    void onTextDropped(const DroppedData& data);
    void onEdit(int index);
    void onSelectEdit(int index);
    void undoText();
    void ClearAll();
    void replaceTextUndoably(const QString& text);
    // Style and size commands (frmMain_format.cpp).
    void wireFormatCommands(const NoteMenuItems& m);
    void onFontNormal();
    void onFontStyle(void (RichTextBox::*setStyle)(bool), bool on);
    void onSelectStyle(int index);
    void onRemoveFormat();

    // Notes made from outside any note (frmMain_capture.cpp).
    void stepAsideFromOpenNotes();

    // Special notes (frmMain_special.cpp).
    void wireSpecialCommands(const NoteMenuItems& m);
    void refreshSpecialNote();
    // Note files (frmMain_files.cpp), e-mail and the web site (frmMain_mail.cpp), printing
    // (frmMain_print.cpp).
    void wireFileCommands(const NoteMenuItems& m);
    void onOpen();
    void onSave(int index);
    // "&Save" into the note's own file, and the save dialog ("Save As", the save prompt); true
    // when the note was written.
    bool saveToOwnFile(const NoteRecord& record);
    bool saveAs(const NoteRecord& record);
    void reportSaveProblem(const QString& path, const QString& reason);
    void wireMailCommands(const NoteMenuItems& m);
    void EmailText(const QString& text);
    void openWebSite();
    void onPrint();
    void offerPdf(const QString& reason);

    // The About dialog (frmMain_about.cpp).
    void wireAboutCommand(const NoteMenuItems& m);
    void ShowAbout();

    // The help note (frmMain_help.cpp).
    void DisplayHelpNote();

    // Closing (frmMain_close.cpp).
    void HandleCloseRequest(bool& cancel, CloseCause cause);
    bool askToSaveBeforeClose();
    void keepClosedNote(const NoteRecord& record);

    quint64 m_creationIndex = 0;
    int m_lastKeyCode = 0;
    qint32 m_noteType = PlainNote;
    bool m_refreshing = false; // a timer refresh of a special note is writing its text
    bool m_isDirty = false;
    QString m_colorScheme;
    // The scheme the window's palette was made for.
    QString m_paletteScheme;
    QString m_tag;
    modNote::NoteFilePlace m_filePlace;
    MenuIcons m_menuIcons;
    std::array<std::unique_ptr<NoteControl>, 6> m_controls;
    NoteControl* m_pressed = nullptr; // the control a held button pressed
    bool m_gripCursor = false;
    NoteLayout m_layout;
    CloseState m_close;
    std::unique_ptr<clsDockingHandler> m_docking;
    RestoreSize m_restoreSize;
    GripSizing m_gripSizing{this};
    RaiseOnce m_raiseOnce;
    // Pointer moves of a drag are applied at most once a frame; the latest one wins.
    QTimer* m_dragFrame = nullptr;
    QPoint m_dragOrigin;
    // Where a drag last put the window while its moves went to the window system directly.
    std::optional<QPoint> m_heldFramePos;
    QPointF m_dragPos;
    bool m_dragPending = false;
};
