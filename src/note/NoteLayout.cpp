#include "note/NoteLayout.h"

namespace {
// The room the layout keeps around the controls, in twips, measured from the window's outer
// right and bottom edges unless said otherwise.
constexpr int TextBoxHeightMargin = 700; // caption strip above the text box, date below it
constexpr int TextBoxWidthMargin = 220;  // the text box's and the rule's right margin
constexpr int DateTopFromBottom = 320;   // the date's top above the bottom edge
constexpr int RuleLeft = 50;             // the rule above the date, from the left edge
constexpr int RuleFromBottom = 350;      // the rule's height above the bottom edge
constexpr int GripMargin = 50;           // the sizing grip's and the help picture's margin
constexpr int CaptionWidthMargin = 1100; // the icon, help and close pictures beside the caption
constexpr int CloseMargin = 30;          // the close picture's right margin

// A control refuses a negative size; the layout stops at the first such step.
bool setSize(double& field, double value) {
    if (value < 0)
        return false;
    field = value;
    return true;
}
} // namespace

int NoteLayout::apply(int W, int H) {
    int step = 0;
    if (!setSize(RTB1.height, H - TextBoxHeightMargin))
        return step;
    ++step;
    if (!setSize(RTB1.width, W - TextBoxWidthMargin))
        return step;
    ++step;
    lblDate.top = H - DateTopFromBottom;
    ++step;
    if (!setSize(lblDate.width, W - imgResize.width))
        return step;
    ++step;
    Line1.X1 = RuleLeft;
    ++step;
    Line1.X2 = W - TextBoxWidthMargin;
    ++step;
    Line1.Y1 = H - RuleFromBottom;
    ++step;
    Line1.Y2 = Line1.Y1;
    ++step;
    imgResize.top = H - imgResize.height - GripMargin;
    ++step;
    imgResize.left = W - imgResize.width - GripMargin;
    ++step;
    if (!setSize(lblCaption.width, W - CaptionWidthMargin))
        return step;
    ++step;
    CloseImage.left = W - CloseImage.width - CloseMargin;
    ++step;
    imgHelp.left = W - 2 * imgHelp.width - GripMargin;
    ++step;
    return step;
}
