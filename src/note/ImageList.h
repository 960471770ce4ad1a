#pragma once
#include <QIcon>
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
QIcon windowIcon();
// The window icon already drawn at the sizes the window system asks a scalable icon for, shared
// by every window so that a new window only copies pixels.
QIcon windowIconSet();
// `icon` drawn at `drawnPx` square and scaled smoothly to `target` device pixels, made once per
// picture, size and pixel ratio and shared by every window.
QPixmap scaledPicture(const QIcon& icon, int drawnPx, const QSize& target, qreal dpr);
QIcon caption(); // imgIcon
QIcon help();    // imgHelp
QIcon close();   // CloseImage
QIcon resize();  // imgResize
} // namespace NotePictures
