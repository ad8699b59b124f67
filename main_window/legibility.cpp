#include "main_window/legibility.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOption>
#include <cmath>

namespace {

constexpr double kLeastContrast = 3.2; // 3:1, with a margin for rounding to whole colour steps

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor blend(const QColor& from, const QColor& to, int percent) {
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

double weakestContrast(const QColor& colour, const QList<QColor>& neighbours) {
    double weakest = 21;
    for (const QColor& neighbour : neighbours)
        weakest = std::min(weakest, contrastRatio(colour, neighbour));
    return weakest;
}

} // namespace

double contrastRatio(const QColor& one, const QColor& other) {
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

QColor standingOut(const QList<QColor>& neighbours, const QColor& preferred) {
    if (weakestContrast(preferred, neighbours) >= kLeastContrast)
        return preferred;
    // Otherwise the preferred hue, lighter or darker, where one stands out enough between a light
    // side and a dark one; its lightest and darkest are white and black.
    QColor best = preferred;
    const QColor hue = preferred.toHsl();
    for (int lightness = 0; lightness <= 255; lightness += 5) {
        const QColor colour = QColor::fromHsl(hue.hslHue(), hue.hslSaturation(), lightness);
        if (weakestContrast(colour, neighbours) > weakestContrast(best, neighbours))
            best = colour;
    }
    return best.toRgb();
}

QList<QColor> ringBands(const QList<QColor>& face, const QColor& behind, const QColor& highlight) {
    const QList<QColor> both = QList<QColor>(face) << behind;
    if (const QColor one = standingOut(both, highlight);
        weakestContrast(one, both) >= kLeastContrast)
        return {one};
    return {standingOut({behind}, highlight), standingOut(face, highlight)};
}

QColor usedCaptionColour(const QList<QColor>& face, const QColor& text) {
    for (int percent = 55; percent < 90; percent += 5) {
        if (weakestContrast(blend(face.value(0), text, percent), face) >= kLeastContrast)
            return blend(face.value(0), text, percent);
    }
    return blend(face.value(0), text, 90);
}

QList<QColor> drawnFace(const QStyleOptionButton& option, const QWidget* button,
                        const QColor& behind) {
    QStyleOptionButton face = option;
    face.rect = QRect(QPoint(), option.rect.size());
    QImage drawn(face.rect.size(), QImage::Format_RGB32);
    drawn.fill(behind);
    {
        QPainter painter(&drawn);
        button->style()->drawControl(QStyle::CE_PushButtonBevel, &face, &painter, button);
    }
    // Down the middle, where a caption and its marks lie, and across from where a ring lies.
    const QPoint middle = face.rect.center();
    const int inset = ringWidth(button->font()) + 1;
    QList<QColor> shades;
    const auto take = [&](int x, int y) {
        if (const QColor shade = drawn.pixelColor(x, y); !shades.contains(shade))
            shades << shade;
    };
    for (int y = inset; y < face.rect.height() - inset; ++y)
        take(middle.x(), y);
    for (int x = inset; x < middle.x(); ++x)
        take(x, middle.y());
    return shades;
}

int ringWidth(const QFont& font) {
    return std::max(2, int(std::lround(QFontMetricsF(font).height() / 6)));
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const auto* buttonOption = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !buttonOption || !(option->state & State_HasFocus))
        return;
    const QWidget* parent = button->parentWidget();
    const QColor behind = parent ? parent->palette().color(parent->backgroundRole())
                                 : option->palette.window().color();
    const double width = ringWidth(button->font());
    painter->save();
    painter->setBrush(Qt::NoBrush);
    double inset = width / 2;
    for (const QColor& band : ringBands(drawnFace(*buttonOption, button, behind), behind,
                                        option->palette.color(QPalette::Highlight))) {
        QPen pen(band, width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        inset += width;
    }
    painter->restore();
}

void useFocusRings() {
    if (!qobject_cast<FocusRingStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusRingStyle(QApplication::style()->name()));
}

bool desktopIsDark() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
        scheme != Qt::ColorScheme::Unknown)
        return scheme == Qt::ColorScheme::Dark;
#endif
    return QApplication::palette().color(QPalette::WindowText).lightness() >= 128;
}
