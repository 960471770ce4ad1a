#pragma once

// Where the note window's child controls stand, in twips, and the rules that place them from the
// window's outer size. Pure geometry: the window applies the result to its widgets.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct TwipsLine {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    bool operator==(const TwipsLine&) const = default;
};

struct NoteLayout {
    // The rolled-up tile: the smallest a note ever is.
    static constexpr double TileWidth = 500;
    static constexpr double TileHeight = 425;

    TwipsRect imgIcon{0, 15, 480, 480};
    TwipsRect lblCaption{480, 10, 2245, 250};
    TwipsRect imgHelp{2785, 10, 255, 255};
    TwipsRect CloseImage{3060, 10, 255, 255};
    TwipsRect RTB1{45, 360, 3125, 2165};
    TwipsRect lblDate{40, 2545, 3165, 255};
    TwipsRect imgResize{3115, 2635, 180, 180};
    TwipsLine Line1{50, 2515, 3125, 2515};

    static constexpr int StepCount = 13;

    // Places the controls for a window of outer width `W` and height `H` (twips, whole numbers).
    // The steps run in a fixed order; the first that would give a control a negative width or
    // height stops the layout there, leaving that control and all later ones where they were.
    // Returns the number of steps carried out.
    int apply(int W, int H);

    bool operator==(const NoteLayout&) const = default;
};
