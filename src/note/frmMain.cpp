#include "note/frmMain.h"

#include "note/ColorScheme.h"
#include "note/DateStamp.h"
#include "note/NoteAccessible.h"
#include "note/NoteActivity.h"
#include "note/NoteSettings.h"
#include "platform/BgrColor.h"
#include "platform/Desktop.h"
#include "platform/RichTextBox.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "platform/WindowIcon.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QTimer>

#include <utility>

namespace {
// The menu items that carry a picture, with the image-list key of each. Items are matched by
// their caption as the menus show it, so the captions are translated in the menus' context.
struct IconRow {
    const char* caption;
    const char* key;
};
constexpr IconRow MenuIconRows[] = {
    {QT_TRANSLATE_NOOP("NoteMenus", "Always on Top"), "Ontop"},
    {QT_TRANSLATE_NOOP("NoteMenus", "&Paste"), "Paste"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Undo"), "Undo"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Clear All"), "Clear"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Cut"), "Cut"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Copy"), "Copy"},
    {QT_TRANSLATE_NOOP("NoteMenus", "&New"), "NewNote"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Email Content"), "Email"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Email Selection"), "Email"},
    {QT_TRANSLATE_NOOP("NoteMenus", "&Open"), "Open"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Restore Size"), "Restore"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Minimize"), "Minimize"},
    {QT_TRANSLATE_NOOP("NoteMenus", "&Save"), "Save"},
    {QT_TRANSLATE_NOOP("NoteMenus", "&Print"), "Print"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Font"), "FontStyle"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Help"), "Help"},
    {QT_TRANSLATE_NOOP("NoteMenus", "About"), "About"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Note Color"), "Color"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Underline"), "Underline"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Bold"), "Bold"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Italic"), "Italic"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Strike-Out"), "Strike"},
    {QT_TRANSLATE_NOOP("NoteMenus", "Remove Format"), "Clear"},
};

// Point sizes of the note's text, its caption and its date stamp.
constexpr double NotePoints = 9;
constexpr double CaptionPoints = 9;
constexpr double DatePoints = 8.25;
// How near, in pixels, a dragged note comes to a screen edge before it snaps to it.
constexpr int SnapPixels = 20;

// The first of the families the machine has, else the last resort. A font asks for one settled
// family, not a list: a list that names a missing family makes every size look up fallbacks for
// it, and the families after the first make the text engine look up its fallbacks at once
// instead of when a character first needs them. The fallbacks a character outside the family
// finds come from fontconfig's order for that family either way.
QString firstInstalled(std::initializer_list<QLatin1StringView> families,
                       QLatin1StringView lastResort) {
    // Listed once: asking the database about each name would run fontconfig's substitution rules
    // for every one of them.
    static const QStringList installed = QFontDatabase::families();
    for (const QLatin1StringView family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return lastResort;
}

// Verdana where the machine has it, else DejaVu Sans: the caption and the date.
QFont verdana(double points) {
    static const QString family =
        firstInstalled({QLatin1StringView("Verdana")}, QLatin1StringView("DejaVu Sans"));
    QFont f(family);
    f.setPointSizeF(points);
    return f;
}

// Every note shares one copy of each of its fonts: a font remembers the engine it was drawn with,
// which each new copy would look up again.
const QFont& captionFont() {
    static const QFont f = verdana(CaptionPoints);
    return f;
}
const QFont& dateFont() {
    static const QFont f = verdana(DatePoints);
    return f;
}

// Comic Sans MS where the machine has it, else its free look-alike, else a plain sans: the text.
const QFont& noteFont() {
    static const QFont f = [] {
        QFont font(
            firstInstalled({QLatin1StringView("Comic Sans MS"), QLatin1StringView("Comic Neue"),
                            QLatin1StringView("DejaVu Sans")},
                           QLatin1StringView("Sans Serif")));
        font.setPointSizeF(NotePoints);
        font.setWeight(QFont::Normal);
        return font;
    }();
    return f;
}

// A picture control, named for screen readers by what it does.
NoteControl* picture(std::unique_ptr<NoteControl>& slot, QWidget* window, const QString& name,
                     const QString& description, QAccessible::Role role) {
    slot = std::make_unique<NoteControl>(window);
    NoteControl* c = slot.get();
    c->setToolTip(name);
    c->setAccessibleName(name);
    c->setAccessibleDescription(description);
    c->setAccessibleRole(role);
    return c;
}

} // namespace

// A note starts in the top band; the loading steps confirm it, which then costs nothing.
constexpr Qt::WindowFlags NoteWindowFlags =
    Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

frmMain::frmMain(QWidget* parent) : QWidget(parent, NoteWindowFlags), NoteMenus(this) {
    construct(false);
}

frmMain::frmMain(const Restoring& note) : QWidget(nullptr, NoteWindowFlags), NoteMenus(this) {
    if (!note.color.isNull()) {
        setPalette(notePalette(palette(), note.color));
        m_paletteScheme = note.color;
    }
    construct(true);
}

void frmMain::construct(bool restoring) {
    Desktop::useVisualStyles();
    static quint64 created = 0;
    m_creationIndex = ++created;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pinleaf"));
    setAutoFillBackground(true);
    // The window follows the pointer over its drawn controls: the sizing grip shows its pointer.
    setMouseTracking(true);
    NoteWindowAccessible::install();
    WindowIcon::apply(this, NotePictures::windowIconSet());
    // Floats on tiling window managers and leaves notices above it.
    TopLevel::manageAsNote(this);
    // The text box takes the note's font from the window as it is made, so its empty document is
    // laid out once, in that font. The drawn controls have fonts of their own, and the menus and
    // dialogs are windows, which take none from their parent.
    setFont(noteFont());
    createControls();
    wireTextBox();
    loadWindow(restoring);
}

// The menu items are made the first time a menu or an item is needed; their commands and
// pictures come with them.
void frmMain::menuItemsMade(const NoteMenuItems& m) {
    wireCommands(m);
    wireEditCommands(m);
    wireFormatCommands(m);
    wireWindowCommands(m);
    wireSpecialCommands(m);
    wireFileCommands(m);
    wireMailCommands(m);
    wireAboutCommand(m);
    attachMenuIcons();
}

// The text box says nothing more to the window, and the drawn controls go first, so that
// nothing asks for them while the widgets are torn down.
frmMain::~frmMain() {
    RTB1->disconnect(this);
    m_pressed = nullptr;
    imgIcon = lblCaption = imgHelp = CloseImage = lblDate = imgResize = nullptr;
    for (auto& control : m_controls)
        control.reset();
}

QList<NoteControl*> frmMain::drawnControls() const {
    if (!imgIcon)
        return {};
    return {imgIcon, lblCaption, imgHelp, CloseImage, lblDate, imgResize};
}

NoteControl* frmMain::controlAt(const QPoint& pos) const {
    if (RTB1->geometry().contains(pos))
        return nullptr;
    const QList<NoteControl*> controls = drawnControls();
    for (auto it = controls.crbegin(); it != controls.crend(); ++it)
        if ((*it)->geometry().contains(pos))
            return *it;
    return nullptr;
}

void frmMain::createControls() {
    // The icon's menu is the window menu; it shows no tip of its own.
    imgIcon = picture(m_controls[0], this, QString(), tr("Opens the window menu"),
                      QAccessible::ButtonMenu);
    imgIcon->setPicture(NotePictures::caption(), NotePictures::CaptionPx);
    imgIcon->setAccessibleName(tr("Window menu"));
    imgIcon->setPress([this] { showWindowMenu(); });
    m_controls[1] = std::make_unique<NoteControl>(this);
    lblCaption = m_controls[1].get();
    lblCaption->setText(QStringLiteral(" Pinleaf"));
    lblCaption->setFont(captionFont());
    lblCaption->setStrip(QColor(0x80, 0x80, 0x80), Qt::white);
    lblCaption->setAccessibleRole(QAccessible::TitleBar);
    imgHelp = picture(m_controls[2], this, tr("Display help"),
                      tr("Opens a note that explains the program"), QAccessible::Button);
    imgHelp->setPicture(NotePictures::help(), NotePictures::ButtonPx);
    imgHelp->setPress([this] { DisplayHelpNote(); });
    CloseImage =
        picture(m_controls[3], this, tr("Close note"), tr("Closes this note"), QAccessible::Button);
    CloseImage->setPicture(NotePictures::close(), NotePictures::ButtonPx);
    CloseImage->setPress([this] { close(); });
    RTB1 = new RichTextBox(this);
    // The text box's paper is the window's own colour, which the window fills in under it. Left
    // unfilled, the box is no hole in what the window paints: the window's clip stays one
    // rectangle, and its drawn controls take the fast paths a plain rectangle allows.
    RTB1->viewport()->setAutoFillBackground(false);
    RTB1->setFrameShape(QFrame::NoFrame);
    RTB1->setAcceptRichText(true);
    RTB1->setAccessibleName(tr("Note text"));
    RTB1->setAccessibleDescription(tr("The text of the note; Shift+F10 opens its menu"));
    // The date comes from the note: the control shows it as written, never as markup (rich text
    // would load the pictures it names, and a device or a FIFO would hang the note).
    m_controls[4] = std::make_unique<NoteControl>(this);
    lblDate = m_controls[4].get();
    lblDate->setFont(dateFont());
    // A screen reader reads the date itself, and the tip as what the date is.
    lblDate->setToolTip(tr("Note creation time/date stamp"));
    lblDate->setAccessibleDescription(lblDate->toolTip());
    imgResize = picture(m_controls[5], this, tr("Resize note"),
                        tr("Drag to change the size of the note"), QAccessible::Grip);
    imgResize->setPicture(NotePictures::resize(), NotePictures::GripPx);
    Timer1 = new QTimer(this);
    Timer1->setInterval(FiguresRefreshMs);
    // A clock that drifts would now and then skip a second.
    Timer1->setTimerType(Qt::PreciseTimer);
    placeControls();
}

// The loading steps of a new window, in their fixed order. A stored note brings its own date
// stamp and geometry, which follow at once, so a restored window skips the new note's.
void frmMain::loadWindow(bool restoring) {
    applyStartupGeometry(restoring);
    if (!restoring)
        RTB1->setText(placeholderText());
    m_docking = std::make_unique<clsDockingHandler>();
    m_docking->setParentForm(this);
    m_docking->setSnapDistance(Twips::round(SnapPixels * Twips::perPixelX()));
    TopLevel::SetWindowTopmost(this, TopLevel::Topmost);
    setTopChecked(true);
    if (!restoring)
        lblDate->setText(DateStamp::now());
    Desktop::addDropShadow(this);
}

void frmMain::applyStartupGeometry(bool restoring) {
    const NoteSettings::NewNote n = NoteSettings::readNewNote();
    setSaveSettingsChecked(n.saveSettings);
    if (restoring)
        return;
    setHeight(n.height);
    setWidth(n.width);
    setTop(n.top);
    setLeft(n.left);
    SetColor(n.color);
}

void frmMain::attachMenuIcons() {
    m_menuIcons.attach(this);
    m_menuIcons.setImageList(&imgList);
    m_menuIcons.setDrawPictures(true);
    m_menuIcons.setTextColor(0x333333);
    for (const IconRow& row : MenuIconRows)
        m_menuIcons.setItemIcon(QCoreApplication::translate("NoteMenus", row.caption),
                                imgList.index(QLatin1String(row.key)) - 1);
}

void frmMain::menusBuilt(const QList<QMenu*>& menus) {
    for (QMenu* menu : menus)
        m_menuIcons.polish(menu);
}

void frmMain::setIsDirty(bool dirty) {
    m_isDirty = dirty;
}

// The text and the date take the scheme's text colour whatever the desktop theme. A name outside
// the table is kept, to be written back as it came, and its black paper gets white text.
// One palette for the window: the text box takes its paper and ink from it, so the colours
// reach every control in one pass.
QPalette frmMain::notePalette(const QPalette& base, const QString& strColor) {
    // Notes of one colour on one base share one palette, made once.
    static QHash<std::pair<qint64, QString>, QPalette> made;
    const std::pair<qint64, QString> key{base.cacheKey(), strColor};
    if (const auto known = made.constFind(key); known != made.cend())
        return *known;
    const QColor paper = fromBgr(ColorScheme::colorValue(strColor));
    const QColor ink = fromBgr(ColorScheme::textColorValue(strColor));
    QPalette p = base;
    p.setColor(QPalette::Window, paper);
    p.setColor(QPalette::Base, paper);
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::Text, ink);
    // A base palette that keeps changing (a theme being edited) must not grow this without end.
    if (made.size() >= 64)
        made.clear();
    made.insert(key, p);
    return p;
}

void frmMain::SetColor(const QString& strColor) {
    const int checked = ColorScheme::indexOf(strColor);
    const quint32 ink = ColorScheme::textColorValue(strColor);
    // On black paper the selection takes no colour of its own rather than white, so that what is
    // typed there turns black with the rest once a light scheme is chosen.
    if (checked < 0)
        RTB1->clearSelColor();
    else
        RTB1->setSelColor(ink);
    // A restored note has its palette from the start; setting it again would walk every child.
    if (strColor != m_paletteScheme) {
        const QPalette colours = notePalette(palette(), strColor);
        if (colours != palette())
            setPalette(colours);
        m_paletteScheme = strColor;
    }
    m_colorScheme = strColor;
    setCheckedColor(checked);
    NoteActivity::notify();
}
