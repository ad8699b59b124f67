#pragma once

#include "main_window/twips.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

// One of the game's pictures at its own size in twips. Where the screen's scale factor or a large
// font has grown the layout, it comes from the NAME@2x.png drawn for it, so that it stays sharp.
inline QPixmap picture(const QString& resource) {
    const qreal scale = qApp->devicePixelRatio();
    const QSize natural = QImageReader(resource).size();
    const QSize shown =
        QSize(px(natural.width() * kTwipsPerPixel), px(natural.height() * kTwipsPerPixel)) * scale;
    QString larger = resource;
    larger.insert(resource.lastIndexOf(u'.'), QStringLiteral("@2x"));
    QPixmap pixels(shown == natural || !QFile::exists(larger) ? resource : larger);
    if (pixels.size() != shown)
        pixels = pixels.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixels.setDevicePixelRatio(scale);
    return pixels;
}
