#include "note/NoteLayout.h"

namespace {
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
    if (!setSize(RTB1.height, H - 700))
        return step;
    ++step;
    if (!setSize(RTB1.width, W - 220))
        return step;
    ++step;
    lblDate.top = H - 320;
    ++step;
    if (!setSize(lblDate.width, W - imgResize.width))
        return step;
    ++step;
    Line1.X1 = 50;
    ++step;
    Line1.X2 = W - 220;
    ++step;
    Line1.Y1 = H - 350;
    ++step;
    Line1.Y2 = Line1.Y1;
    ++step;
    imgResize.top = H - imgResize.height - 50;
    ++step;
    imgResize.left = W - imgResize.width - 50;
    ++step;
    if (!setSize(lblCaption.width, W - 1100))
        return step;
    ++step;
    CloseImage.left = W - CloseImage.width - 30;
    ++step;
    imgHelp.left = W - 2 * imgHelp.width - 50;
    ++step;
    return step;
}
