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

QColor greyOfLuminance(double target) {
    int best = 0;
    for (int level = 0; level < 256; ++level) {
        if (std::abs(luminance(QColor(level, level, level)) - target) <
            std::abs(luminance(QColor(best, best, best)) - target))
            best = level;
    }
    return {best, best, best};
}

QColor blend(const QColor& from, const QColor& to, int percent) {
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

} // namespace

double contrastRatio(const QColor& one, const QColor& other) {
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

QColor focusRingColour(const QColor& face, const QColor& behind, const QColor& highlight) {
    const auto weakest = [&](const QColor& ring) {
        return std::min(contrastRatio(ring, face), contrastRatio(ring, behind));
    };
    if (weakest(highlight) >= kLeastContrast)
        return highlight;
    // Between a light side and a dark one, the grey that stands equally far from both.
    const double between = std::sqrt((luminance(face) + 0.05) * (luminance(behind) + 0.05)) - 0.05;
    QColor best = highlight;
    for (const QColor& ring : {QColor(Qt::black), QColor(Qt::white), greyOfLuminance(between)}) {
        if (weakest(ring) > weakest(best))
            best = ring;
    }
    return best;
}

QColor usedCaptionColour(const QColor& face, const QColor& text) {
    for (int percent = 55; percent < 90; percent += 5) {
        if (contrastRatio(blend(face, text, percent), face) >= kLeastContrast)
            return blend(face, text, percent);
    }
    return blend(face, text, 90);
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (element != CE_PushButton || !button || !(option->state & State_HasFocus))
        return;
    const QWidget* parent = button->parentWidget();
    const QColor behind = parent ? parent->palette().color(parent->backgroundRole())
                                 : option->palette.window().color();
    QPen pen(focusRingColour(option->palette.color(QPalette::Button), behind,
                             option->palette.color(QPalette::Highlight)),
             kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->save();
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
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
