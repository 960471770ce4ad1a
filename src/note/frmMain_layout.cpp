// Geometry of the note window in twips and the placing of its child controls.
#include "note/frmMain.h"

#include "note/NoteActivity.h"
#include "note/ScreenFit.h"
#include "platform/RichTextBox.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "platform/WindowEchoes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace {
// How many desktop sizes a note's corner may stand off the desktop: room for any placement a
// user makes, and no coordinate can overflow.
constexpr int PositionReach = 2;

// Every screen together, in pixels.
QRect virtualDesktop() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens())
        all |= screen->geometry();
    return all;
}
} // namespace

double frmMain::Left() const {
    return Twips::fromPixelsX(framePos().x());
}
double frmMain::Top() const {
    return Twips::fromPixelsY(framePos().y());
}
double frmMain::Width() const {
    return Twips::fromPixelsX(width());
}
double frmMain::Height() const {
    return Twips::fromPixelsY(height());
}

void frmMain::setLeft(double twips) {
    const QRect desktop = virtualDesktop();
    const int reach = PositionReach * desktop.width();
    const double left = ScreenFit::bounded(twips, Twips::fromPixelsX(desktop.left() - reach),
                                           Twips::fromPixelsX(desktop.right() + 1 + reach));
    move(Twips::toPixelsX(left), y());
}
void frmMain::setTop(double twips) {
    const QRect desktop = virtualDesktop();
    const int reach = PositionReach * desktop.height();
    const double top = ScreenFit::bounded(twips, Twips::fromPixelsY(desktop.top() - reach),
                                          Twips::fromPixelsY(desktop.bottom() + 1 + reach));
    move(x(), Twips::toPixelsY(top));
}
void frmMain::setWidth(double twips) {
    const double w = ScreenFit::bounded(twips, NoteLayout::TileWidth,
                                        Twips::fromPixelsX(virtualDesktop().width()));
    resizePixels(Twips::toPixelsX(w), height());
}
void frmMain::setHeight(double twips) {
    const double h = ScreenFit::bounded(twips, NoteLayout::TileHeight,
                                        Twips::fromPixelsY(virtualDesktop().height()));
    resizePixels(width(), Twips::toPixelsY(h));
}

void frmMain::ensureReachable() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QPoint topLeft =
        ScreenFit::reachableTopLeft(QRect(pos(), size()), lblCaption->height(), areas);
    if (topLeft != pos())
        move(topLeft);
}

// A hidden window gets its resize event only when shown; its layout runs at once all the same,
// so a note is laid out for every size it is given, in order.
void frmMain::resizePixels(int w, int h) {
    if (QSize(w, h) == size())
        return;
    TopLevel::sizeFreely(this);
    resize(w, h);
    if (!isVisible())
        runLayout();
}

void frmMain::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    NoteActivity::notify();
    runLayout();
}

void frmMain::runLayout() {
    const int W = Twips::round(Width());
    const int H = Twips::round(Height());
    m_layout.apply(W, H);
    placeControls();
    update();
}

void frmMain::placeControls() {
    const auto pixels = [](const TwipsRect& r) {
        return Twips::toPixels(r.left, r.top, r.width, r.height);
    };
    imgIcon->setGeometry(pixels(m_layout.imgIcon));
    lblCaption->setGeometry(pixels(m_layout.lblCaption));
    imgHelp->setGeometry(pixels(m_layout.imgHelp));
    CloseImage->setGeometry(pixels(m_layout.CloseImage));
    RTB1->setGeometry(pixels(m_layout.RTB1));
    lblDate->setGeometry(pixels(m_layout.lblDate));
    imgResize->setGeometry(pixels(m_layout.imgResize));
}

// The window draws the separator and then its controls, in order, the later over the earlier;
// the text box is a widget and lies over them all.
void frmMain::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    QPainter p(this);
    // Line1: the separator above the date stamp, one pixel high with both ends drawn. It is
    // level, so it is filled as a rectangle: a stroked line costs many times as much.
    const TwipsLine& l = m_layout.Line1;
    const int x1 = Twips::toPixelsX(l.X1);
    const int x2 = Twips::toPixelsX(l.X2);
    const QRect separator(QPoint(std::min(x1, x2), Twips::toPixelsY(l.Y1)),
                          QSize(std::abs(x2 - x1) + 1, 1));
    p.fillRect(separator, QColor(0x80, 0x80, 0x80));
    // The text box lies over the window's drawing without a hole cut for it, so a control it
    // partly covers (the icon reaches into its corner) is kept out of it here. A control with
    // nothing drawn under it (neither the separator nor a control before it) lies on the paper.
    const QRect box = RTB1->geometry();
    const QColor paper = palette().color(QPalette::Window);
    const QList<NoteControl*> controls = drawnControls();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        if (!e->rect().intersects(place))
            continue;
        bool onPaper = !place.intersects(separator);
        for (qsizetype before = 0; onPaper && before < i; ++before)
            onPaper = !place.intersects(controls[before]->geometry());
        const QColor under = onPaper ? paper : QColor();
        if (place.intersects(box)) {
            // Drawn once for each rectangle of what the box leaves of it: a painter clipped to a
            // rectangle copies a picture in whole rows, one clipped to a region goes by spans.
            for (const QRect& part : QRegion(place).subtracted(box)) {
                p.save();
                p.setClipRect(part);
                controls[i]->draw(p, under);
                p.restore();
            }
        } else {
            controls[i]->draw(p, under);
        }
    }
}

void frmMain::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    NoteActivity::notify();
}

void frmMain::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // A note above others has that state written as it is mapped, just after this.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        WindowEchoes::skipStateEcho(this);
    NoteActivity::notify();
}

void frmMain::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    endDrag();
    NoteActivity::notify();
}
