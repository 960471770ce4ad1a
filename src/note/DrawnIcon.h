#pragma once

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>

#include <QImage>

// An icon drawn in advance, at the pixel sizes the program shows it at, into files of raw pixels
// made from its SVG (`make pictures`); any other size or pixel ratio is drawn from the SVG, or,
// in a build without an SVG renderer, scaled from the largest size drawn. Copying the pixels
// costs a small part of loading, parsing and drawing the SVG (or of decoding a PNG), which every
// start-up would otherwise do. `name` is the picture's folder and name under :/icons, such as
// "window/imgHelp": window/imgHelp.svg and window/drawn/imgHelp-<size>.argb.
QIcon drawnIcon(const QString& name, const QList<int>& sizes);

// The resource paths of the picture's SVG and of its pixels drawn at `px` pixels square.
QString drawnIconSvg(const QString& name);
QString drawnIconPixels(const QString& name, int px);

// The pixels file format: `px` x `px` premultiplied ARGB pixels, row by row, each a 32-bit
// little-endian number. A file of any other length reads as a null image.
QByteArray drawnPixels(const QImage& image);
QImage readDrawnPixels(const QByteArray& data, int px);
