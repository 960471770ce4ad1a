#include "platform/frmAbout.h"

#include "platform/BgrColor.h"
#include "platform/MessagePrompt.h"
#include "platform/PlainText.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "platform/UrlOpener.h"

#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrlQuery>

namespace {
QPointer<frmAbout> g_about;

// Design places of the controls, in twips: left, top, width, height.
struct Place {
    int left, top, width, height;
};
constexpr Place Picture1Place{240, 120, 1450, 1450};
constexpr Place ShapePlaces[] = {
    {1800, 120, 615, 615}, {2280, 480, 615, 615}, {2040, 960, 615, 615}};
constexpr quint32 ShapeColors[] = {0xFF0000, 0x0000FF, 0x00FFFF}; // blue, red, yellow
constexpr int CreditLeft = 3120;
constexpr int CreditWidth = 2292;
constexpr int CreditHeight = 252;
constexpr int CreditTops[] = {0, 960, 1320, 1680, 2040}; // labels 1 to 4
// The mail row stands below the separator, beside OK, and as wide as the room there: a whole
// address in a desktop font needs more than the place beside the logo, where the credit column
// leaves no more room. "Email" is as wide as its text, the address follows it.
constexpr int MailLeft = 480;
constexpr int MailTop = 3045;
constexpr int MailHeight = 255;
constexpr int MailGap = 60;
constexpr int MailRight = 4080;
constexpr Place BuildPlace{480, 2160, 1935, 255};
// The etched separator: a grey line with a white one below it.
constexpr int LineLeft = 120;
constexpr int LineRight = 5445;
constexpr int GreyLineTop = 2430;
constexpr int WhiteLineTop = 2445;
constexpr Place OkPlace{4200, 3000, 1260, 345};
// The logo is drawn 96 pixels square on a 96 dpi screen, and larger where the screen is finer.
constexpr int LogoTwips = 1440;

// A light dialog face whatever the desktop's theme, so the black text, the blue link and the
// white half of the separator all show.
constexpr quint32 FaceColor = 0xF0F0F0;

void place(QWidget* w, const Place& p) {
    w->setGeometry(Twips::toPixels(p.left, p.top, p.width, p.height));
}

QFont dialogFont() {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(8.25);
    return f;
}

QLabel* plainLabel(QWidget* parent, const QString& text) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    return l;
}

QWidget* filled(QWidget* parent, quint32 bgr) {
    auto* w = new QWidget(parent);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fromBgr(bgr));
    w->setPalette(p);
    return w;
}

// The web site as the credits show it: its host name alone, when it has one.
QString siteName(const QString& webSite) {
    const QString host = QUrl::fromUserInput(webSite.trimmed()).host();
    return host.isEmpty() ? webSite.trimmed() : host;
}
} // namespace

frmAbout* frmAbout::Load(const QString& feedbackAddress, const QString& webSite) {
    if (!g_about)
        g_about = new frmAbout(feedbackAddress, webSite);
    return g_about;
}

frmAbout* frmAbout::Loaded() {
    return g_about;
}

QString frmAbout::BuildText(const ProgramVersion& version) {
    return tr("Build - %1.%2.0.%3")
        .arg(version.majorNumber)
        .arg(version.minorNumber)
        .arg(version.revision);
}

QUrl frmAbout::MailAddress(const QString& feedbackAddress) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(feedbackAddress.trimmed());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Pinleaf"));
    url.setQuery(query);
    return url;
}

frmAbout::frmAbout(const QString& feedbackAddress, const QString& webSite)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      m_feedbackAddress(feedbackAddress.trimmed()) {
    TopLevel::keepAboveNotes(this);
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window/pinleaf.svg")));
    setFixedSize(Twips::toPixelsX(ClientWidth), Twips::toPixelsY(ClientHeight));
    setFont(dialogFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, fromBgr(FaceColor));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    createControls(webSite);
    Form_Load();
}

void frmAbout::createControls(const QString& webSite) {
    cmdOK = new QPushButton(tr("OK"), this);
    place(cmdOK, OkPlace);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Picture1 = new QLabel(this);
    place(Picture1, Picture1Place);
    const QSize logo(Twips::toPixelsX(LogoTwips), Twips::toPixelsY(LogoTwips));
    Picture1->setPixmap(windowIcon().pixmap(logo, devicePixelRatioF()));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < 3; ++i) {
        Shape1[i] = filled(this, ShapeColors[i]);
        place(Shape1[i], ShapePlaces[i]);
    }

    const QString credits[] = {QString(), tr("Pinleaf by its authors"), tr("and the Pinleaf team"),
                               siteName(webSite), QStringLiteral("\u00A9 2026")};
    for (int i = 1; i <= 4; ++i) {
        Label1[i] = plainLabel(this, credits[i]);
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_creditTops[i] = CreditTops[i];
        placeCredit(i);
    }

    Label5 = plainLabel(this, tr("Email"));
    const QRect mail = Twips::toPixels(MailLeft, MailTop, MailRight - MailLeft, MailHeight);
    Label5->setGeometry(mail.x(), mail.y(), Label5->sizeHint().width(), mail.height());

    Label4 = new QLabel(this);
    Label4->setTextFormat(Qt::PlainText);
    const int linkLeft = Label5->geometry().right() + 1 + Twips::toPixelsX(MailGap);
    Label4->setGeometry(linkLeft, mail.y(), mail.right() + 1 - linkLeft, mail.height());
    QFont link = font();
    link.setUnderline(true);
    Label4->setFont(link);
    // An address longer than the link's place ends in an ellipsis; the tooltip shows it whole.
    Label4->setText(
        QFontMetrics(link).elidedText(m_feedbackAddress, Qt::ElideRight, Label4->width()));
    Label4->setToolTip(asPlainTooltip(m_feedbackAddress));
    QPalette lp = Label4->palette();
    lp.setColor(QPalette::WindowText, fromBgr(0xFF0000));
    Label4->setPalette(lp);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    lblBuild = plainLabel(this, tr("Build - "));
    place(lblBuild, BuildPlace);

    const int lineWidth = Twips::toPixelsX(LineRight) - Twips::toPixelsX(LineLeft);
    Line1[1] = filled(this, 0x808080);
    Line1[1]->setGeometry(Twips::toPixelsX(LineLeft), Twips::toPixelsY(GreyLineTop), lineWidth, 1);
    Line1[0] = filled(this, 0xFFFFFF);
    Line1[0]->setGeometry(Twips::toPixelsX(LineLeft), Twips::toPixelsY(WhiteLineTop), lineWidth, 1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(ScrollIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1Tick);
}

void frmAbout::Form_Load() {
    lblBuild->setText(BuildText(ProgramVersion::current()));
    Timer1->start();
}

void frmAbout::placeCredit(int index) {
    QLabel* label = Label1[index];
    label->setGeometry(Twips::toPixels(CreditLeft, m_creditTops[index], CreditWidth, CreditHeight));
}

void frmAbout::Timer1Tick() {
    for (int i = 1; i <= 4; ++i) {
        int& top = m_creditTops[i];
        top -= ScrollStep;
        if (top < 0)
            top = WrapTop;
        placeCredit(i);
        Label1[i]->setVisible(top <= LastShownTop);
    }
}

void frmAbout::centreOn(const QWidget* window) {
    const QRect over = window->frameGeometry();
    QRect r(over.x() + (over.width() - width()) / 2, over.y() + (over.height() - height()) / 2,
            width(), height());
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
        r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
    }
    move(r.topLeft());
}

bool frmAbout::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Label4 && e->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton && Label4->rect().contains(me->position().toPoint()))
            openMail();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

// The dialog stays open whatever the mail program does; with none at all the user is told, and
// the address is on screen to write to from elsewhere.
void frmAbout::openMail() {
    if (UrlOpener::current()->open(MailAddress(m_feedbackAddress)))
        return;
    MessagePrompt::warn(this, tr("Email"),
                        tr("No e-mail program is set up on this computer to write "
                           "the message to %1.")
                            .arg(m_feedbackAddress));
}

// Closing forgets the dialog, so the next About command loads a fresh one.
void frmAbout::done(int result) {
    Timer1->stop();
    if (g_about == this)
        g_about = nullptr;
    QDialog::done(result);
    deleteLater();
}
