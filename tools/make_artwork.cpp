// Draws every picture and makes both sounds the game ships, into the folder given as the only
// argument (the repository's assets/). Run it through the "artwork" build target.
//
// The twelve pieces of the drawing overlap and are opaque (black around the lines), so each
// piece's picture shows every piece up to and including itself, clipped to its own place: with
// the pieces stacked in the order they appear, any stage of the game then looks like one drawing.

#include "main_window/figure.h"
#include "main_window/twips.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

const QColor kSteel(176, 196, 222);
const QColor kSteelShade(120, 140, 170);
const QColor kFigure(51, 88, 224); // 3.6:1 on the black board, still well below the steel

using Draw = std::function<void(QPainter&)>;

// Where a piece stands in the 297x241 pane, in pixels.
QRect placeOf(const FigurePiece& piece) {
    return twipsRect(piece.left, piece.top, piece.width, piece.height);
}

QPen thick(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void timber(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kSteelShade, 1));
    p.setBrush(kSteel);
    p.drawRect(r);
}

void brace(QPainter& p, QPointF from, QPointF to) {
    p.setPen(thick(kSteelShade, 8));
    p.drawLine(from, to);
    p.setPen(thick(kSteel, 6));
    p.drawLine(from, to);
}

void limb(QPainter& p, QPointF from, QPointF to, double end) {
    p.setPen(thick(kFigure, 7));
    p.drawLine(from, to);
    p.setPen(Qt::NoPen);
    p.setBrush(kFigure);
    p.drawEllipse(to, end, end);
}

// How each piece of the drawing is drawn, in the order a game reveals them; where each stands is
// the board's own table.
std::vector<Draw> pieces() {
    return {
        [](QPainter& p) {
            timber(p, {5.5, 217.5, 283, 11});
        },
        [](QPainter& p) {
            timber(p, {27.5, 4.5, 21, 213});
        },
        [](QPainter& p) {
            brace(p, {30, 166}, {4, 214});
        },
        [](QPainter& p) {
            brace(p, {46, 168}, {73, 214});
        },
        [](QPainter& p) {
            timber(p, {44.5, 6.5, 156, 14});
            brace(p, {50, 78}, {100, 22});
        },
        [](QPainter& p) {
            p.setPen(thick(QColor(205, 185, 140), 4));
            p.drawLine(QPointF(192, 20), QPointF(192, 40));
        },
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kFigure);
            p.drawEllipse(QPointF(191, 53), 18, 18);
            p.setPen(thick(Qt::black, 2));
            for (double x : {184.0, 198.0}) { // crossed-out eyes
                p.drawLine(QPointF(x - 3, 47), QPointF(x + 3, 53));
                p.drawLine(QPointF(x + 3, 47), QPointF(x - 3, 53));
            }
            p.drawLine(QPointF(185, 62), QPointF(197, 62));
        },
        [](QPainter& p) {
            QPainterPath torso;
            torso.moveTo(169, 80);
            torso.quadTo(170, 71, 182, 70);
            torso.lineTo(200, 70);
            torso.quadTo(213, 71, 214, 80);
            torso.lineTo(204, 134);
            torso.lineTo(178, 134);
            torso.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(kFigure);
            p.drawPath(torso);
        },
        [](QPainter& p) {
            limb(p, {214, 79}, {229, 121}, 5);
        },
        [](QPainter& p) {
            limb(p, {169, 79}, {152, 120}, 5);
        },
        [](QPainter& p) {
            limb(p, {196, 132}, {203, 199}, 5);
        },
        [](QPainter& p) {
            limb(p, {186, 132}, {179, 198}, 5);
        },
    };
}

// Each picture comes at the size the game lays it out in and, as NAME@2x.png, at twice that
// size for screens with a scale factor of 2. Both are drawn from the same strokes.
constexpr int kScales[] = {1, 2};

bool save(const QImage& image, const QString& folder, const char* file, int scale) {
    QString name = QString::fromLatin1(file);
    if (scale != 1)
        name.insert(name.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
    const QString path = folder + u'/' + name;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The picture of the given size, drawn at a scale; the drawing works in the 1x coordinates.
QImage render(QSize size, QImage::Format format, qreal scale, const Draw& draw) {
    QImage image((QSizeF(size) * scale).toSize(), format);
    image.fill(format == QImage::Format_ARGB32 ? QColor(Qt::transparent) : QColor(Qt::black));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

// Draws one picture of the given size at both scales.
bool makePicture(const QString& folder, const char* file, QSize size, QImage::Format format,
                 const Draw& draw) {
    for (int scale : kScales) {
        if (!save(render(size, format, scale, draw), folder, file, scale))
            return false;
    }
    return true;
}

bool makeFigure(const QString& folder) {
    const std::vector<Draw> all = pieces();
    for (int scale : kScales) {
        for (size_t i = 0; i < all.size(); ++i) {
            QImage scene(QSize(297, 241) * scale, QImage::Format_RGB32);
            scene.fill(Qt::black);
            QPainter painter(&scene);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            for (size_t j = 0; j <= i; ++j) {
                painter.save();
                painter.setClipRect(placeOf(kDrawingPieces[j]));
                all[j](painter);
                painter.restore();
            }
            painter.end();
            const QRect place = placeOf(kDrawingPieces[i]);
            const QRect pixels(place.topLeft() * scale, place.size() * scale);
            if (!save(scene.copy(pixels), folder, kDrawingPieces[i].picture, scale))
                return false;
        }
    }
    return true;
}

bool makeTitle(const QString& folder) {
    return makePicture(folder, "title.png", {157, 68}, QImage::Format_RGB32, [](QPainter& p) {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setBold(true);
        font.setItalic(true);
        font.setPixelSize(40);
        QPainterPath text;
        text.addText(0, 0, font, QStringLiteral("Gibbetry"));
        const QRectF box = text.boundingRect();
        text.translate((157 - box.width()) / 2 - box.left(), 40 - box.bottom() + 8);
        QLinearGradient fill(0, 10, 0, 50);
        fill.setColorAt(0, QColor(255, 150, 210));
        fill.setColorAt(0.5, QColor(230, 70, 170));
        fill.setColorAt(1, QColor(140, 40, 200));
        p.setPen(QPen(QColor(70, 0, 110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text.translated(2, 2));
        p.setPen(QPen(QColor(110, 20, 170), 1.5));
        p.setBrush(fill);
        p.drawPath(text);
        // a flourish underneath: a purple rule with a pink diamond at each end and in the middle
        p.setPen(QPen(QColor(160, 60, 210), 2));
        p.drawLine(QPointF(16, 58), QPointF(141, 58));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 200));
        for (double x : {14.0, 78.5, 143.0}) {
            QPolygonF diamond({{x, 54}, {x + 4, 58}, {x, 62}, {x - 4, 58}});
            p.drawPolygon(diamond);
        }
    });
}

void drawIcon(QPainter& p) {
    const QPen green = thick(QColor(20, 190, 40), 2.5);
    p.setPen(green);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 6.5), 4.5, 4.5);
    p.drawLine(QPointF(16, 11), QPointF(16, 21));
    p.drawLine(QPointF(16, 14), QPointF(8, 18));
    p.drawLine(QPointF(16, 14), QPointF(24, 18));
    p.drawLine(QPointF(16, 21), QPointF(10, 30));
    p.drawLine(QPointF(16, 21), QPointF(22, 30));
}

// The window's icon, and the desktop's at the sizes its menus and launchers draw (icon-N.png).
bool makeIcon(const QString& folder) {
    for (int size : {48, 64, 128, 256}) {
        const QImage icon = render({32, 32}, QImage::Format_ARGB32, size / 32.0, drawIcon);
        if (!save(icon, folder, qPrintable(QStringLiteral("icon-%1.png").arg(size)), 1))
            return false;
    }
    return makePicture(folder, "icon.png", {32, 32}, QImage::Format_ARGB32, drawIcon);
}

bool makePointer(const QString& folder) {
    return makePicture(folder, "pointer.png", {32, 32}, QImage::Format_ARGB32, [](QPainter& p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(9.5, 1.5, 5, 16), 2.5, 2.5);   // raised index finger
        hand.addRoundedRect(QRectF(9.5, 11.5, 16, 12), 3.5, 3.5); // palm and folded fingers
        hand.addRoundedRect(QRectF(3.5, 13.5, 8, 5), 2.5, 2.5);   // thumb
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(hand.simplified());
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (double x : {15.0, 18.5, 22.0})
            p.drawLine(QPointF(x, 12.5), QPointF(x, 17));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(40, 80, 220)); // the cuff
        p.drawRect(QRectF(10.5, 23.5, 14, 7));
    });
}

// Sounds: 16-bit mono PCM at 22050 Hz, a few soft organ-like tones.
constexpr int kRate = 22050;

struct Note {
    double hertz;
    double seconds;
};

std::vector<qint16> render(const std::vector<Note>& notes, double vibrato) {
    std::vector<qint16> samples;
    for (const Note& note : notes) {
        const int count = static_cast<int>(note.seconds * kRate);
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / kRate;
            const double attack = std::min(1.0, t / 0.01);
            const double release = std::min(1.0, (note.seconds - t) / 0.06);
            const double wobble = 1 + vibrato * std::sin(2 * std::numbers::pi * 6 * t);
            phase += 2 * std::numbers::pi * note.hertz * wobble / kRate;
            const double tone =
                std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
            samples.push_back(static_cast<qint16>(9000 * attack * release * tone));
        }
    }
    return samples;
}

bool writeWave(const QString& folder, const char* file, const std::vector<qint16>& samples) {
    QByteArray data;
    auto put32 = [&data](quint32 v) {
        v = qToLittleEndian(v);
        data.append(reinterpret_cast<const char*>(&v), 4);
    };
    auto put16 = [&data](quint16 v) {
        v = qToLittleEndian(v);
        data.append(reinterpret_cast<const char*>(&v), 2);
    };
    const quint32 bytes = static_cast<quint32>(samples.size() * 2);
    data.append("RIFF");
    put32(36 + bytes);
    data.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    data.append("data");
    put32(bytes);
    for (qint16 s : samples)
        put16(static_cast<quint16>(s));
    QFile out(folder + u'/' + QString::fromLatin1(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", file);
        return false;
    }
    return true;
}

bool makeSounds(const QString& folder) {
    const auto win = render({{523.25, 0.13}, {659.25, 0.13}, {783.99, 0.13}, {1046.5, 0.55}}, 0);
    const auto lose = render({{392.0, 0.3}, {369.99, 0.3}, {349.23, 0.3}, {329.63, 0.8}}, 0.012);
    // The cues a screen reader's player hears as each guess is judged: short enough never to
    // stand in the speech's way, a rising pair for a hit and a low dull note for a miss.
    const auto hit = render({{880.0, 0.05}, {1318.5, 0.08}}, 0);
    const auto miss = render({{196.0, 0.13}}, 0.03);
    return writeWave(folder, "win.wav", win) && writeWave(folder, "lose.wav", lose) &&
           writeWave(folder, "hit.wav", hit) && writeWave(folder, "miss.wav", miss);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork ASSETS_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const bool ok = makeFigure(folder) && makeTitle(folder) && makeIcon(folder) &&
                    makePointer(folder) && makeSounds(folder);
    return ok ? 0 : 1;
}
