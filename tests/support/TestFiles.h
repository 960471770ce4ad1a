#pragma once
#include <QByteArray>
#include <QString>

// Whole files for tests: written with their folders created (a failure ends the test program),
// read back as bytes ("<unreadable>" when they cannot be).
QString writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
