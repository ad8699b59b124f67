#pragma once

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

// One of the game's pictures at its own size. On a screen with a scale factor of 2 it is the
// NAME@2x.png drawn for it, so that it stays sharp while the layout keeps its size.
inline QPixmap picture(const QString& resource) {
    return QIcon(resource).pixmap(QImageReader(resource).size(), qApp->devicePixelRatio());
}
