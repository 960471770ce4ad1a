// The help note: a green, read-only note beside the current one that holds the help text.
#include "note/frmMain.h"

#include "BuildConfig.h"
#include "note/modRTB.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <array>

namespace {
constexpr qint32 HeadingColor = 0xFF0000; // blue
constexpr qint32 BodyColor = 0;           // black
// The help note's size in twips: tall enough for the whole text at 96 dpi.
constexpr double HelpWidthTwips = 6000;
constexpr double HelpHeightTwips = 6200;

struct HelpLine {
    QString text;
    qint32 color;
    qint16 size;
    qint16 indent;
};

std::array<HelpLine, 13> helpLines() {
    const QString feedback = QLatin1String(BuildConfig::FeedbackAddress);
    const HelpLine gap{QString(), HeadingColor, 10, 0};
    return {{
        {frmMain::tr("Help"), HeadingColor, 14, 0},
        gap,
        {frmMain::tr("Options:"), HeadingColor, 12, 0},
        {frmMain::tr("Right-click anywhere on the note to get a list of all options:"
                     " Fonts, Color Scheme, Window State, Open, Save, and Create New.  "
                     "A special menu will appear if text is selected when you right-click."),
         BodyColor, 10, 1},
        gap,
        {frmMain::tr("Window State:"), HeadingColor, 12, 0},
        {frmMain::tr("Window state controls whether the Note will remain on top of all other "
                     "windows (Always On Top) or act like a normal window and take focus when "
                     "in front,"),
         BodyColor, 10, 1},
        gap,
        {frmMain::tr("Special View:"), HeadingColor, 12, 0},
        {frmMain::tr("Special notes display important information and update every 2min.  "
                     "Computer memory and hard drive information is currently supported.  "
                     "Click 'Clear All' on the right-click menu to clear the 'Special Note'"),
         BodyColor, 10, 1},
        gap,
        {frmMain::tr("Feedback:"), HeadingColor, 12, 0},
        {frmMain::tr("Have an idea for a feature, a new special view, or report a bug?  "
                     "Please send us an email to %1 and we will try to accomodate.")
             .arg(feedback),
         BodyColor, 10, 1},
    }};
}

// Every line ends with a line break, the last one too, so the help ends in an empty paragraph.
// It shows nothing and takes no height: the help fits its note without a scroll bar.
void flattenLastParagraph(RichTextBox& box) {
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    QTextBlockFormat flat = end.blockFormat();
    flat.setLineHeight(0, QTextBlockFormat::FixedHeight);
    end.setBlockFormat(flat);
}
} // namespace

// The help note is an ordinary note from then on, independent of this one. Its text is written
// before it counts as changed, so its caption starts unmarked.
void frmMain::DisplayHelpNote() {
    auto* help = new frmMain;
    help->setGeometry(Twips::toPixels(Left() + NewNoteOffsetTwips, Top() + NewNoteOffsetTwips,
                                      HelpWidthTwips, HelpHeightTwips));
    // A hidden window is laid out for every size it is given, as setWidth and setHeight do.
    help->runLayout();
    help->RTB1->setText(QString());
    for (const HelpLine& line : helpLines())
        modRTB::AppendFormattedLine(line.text, line.color, line.size, *help->RTB1, line.indent);
    flattenLastParagraph(*help->RTB1);
    help->RTB1->setSelStart(0);
    help->RTB1->setReadOnly(true);
    help->SetColor(QStringLiteral("green"));
    help->setIsDirty(true);
    help->show();
}
