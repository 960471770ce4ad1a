#pragma once
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The note window's keyed menu pictures. Positions are one-based, in a fixed order; the icons
// themselves are shared by every window, so a hundred notes load each picture once.
class ImageList {
public:
    static const QStringList& keys();

    // One-based position of `key` (any case), or 0 when there is no such key.
    int index(const QString& key) const;
    int count() const { return int(keys().size()); }

    // The picture at a zero-based position; a null icon outside the list.
    QIcon picture(int zeroBased) const;
};

// The pictures of the note's own controls and its window icon.
namespace NotePictures {
// Pixel sizes the pictures are drawn at, before a picture is stretched over its control.
inline constexpr int CaptionPx = 32;
inline constexpr int ButtonPx = 17;
inline constexpr int GripPx = 12;

// Every picture that is drawn in advance, with the sizes it is drawn at: the window icon at the
// sizes the window system is given, each control's picture at its own size.
struct Drawn {
    QString name;
    QList<int> sizes;
};
const QList<Drawn>& drawnPictures();

// The window icon at 16, 32 and 64 pixels, shared by every window.
QIcon windowIconSet();
// `icon` drawn at `drawnPx` square and scaled smoothly to `target` device pixels, made once per
// picture, size and pixel ratio and shared by every window.
QPixmap scaledPicture(const QIcon& icon, int drawnPx, const QSize& target, qreal dpr);
// `picture` drawn on plain paper of one colour, made once per picture and colour and shared by
// every window: a picture with only paper under it is copied from here, which looks the same as
// blending it onto the paper pixel by pixel and costs a fraction.
QPixmap onPaper(const QPixmap& picture, const QColor& paper);
QIcon caption(); // imgIcon
QIcon help();    // imgHelp
QIcon close();   // CloseImage
QIcon resize();  // imgResize
} // namespace NotePictures
