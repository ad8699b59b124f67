#include "main_window/letter_button.h"

#include "main_window/legibility.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>

LetterButton::LetterButton(QChar letter, QRect place, QWidget* parent)
    : QPushButton(QString(letter), parent) {
    setGeometry(place);
    keepUsedCaptionReadable();
}

void LetterButton::markGuess(Guess guess) {
    guess_ = guess;
    update();
}

void LetterButton::keepUsedCaptionReadable() {
    QStyleOptionButton used;
    initStyleOption(&used);
    used.state &= ~QStyle::State_Enabled;
    used.palette.setCurrentColorGroup(QPalette::Disabled);
    const QWidget* behind = parentWidget();
    QPalette colours = palette();
    colours.setColor(
        QPalette::Disabled, QPalette::ButtonText,
        usedCaptionColour(drawnFace(used, this, behind->palette().color(behind->backgroundRole())),
                          colours.color(QPalette::Active, QPalette::ButtonText)));
    setPalette(colours);
}

void LetterButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled())
        guess_ = Guess::None;
}

void LetterButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (isEnabled() || guess_ == Guess::None)
        return;
    const QFontMetrics metrics(font());
    const int width = ringWidth(font());
    // Where the style centres the caption's line: its capital from the baseline up.
    const int baseline = rect().center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QRect caption(0, 0, metrics.horizontalAdvance(text()), metrics.capHeight());
    caption.moveCenter(rect().center());
    caption.moveBottom(baseline);
    const QColor colour = palette().color(QPalette::Disabled, QPalette::ButtonText);
    QPainter painter(this);
    if (guess_ == Guess::Found) {
        painter.fillRect(caption.left(), caption.bottom() + width + 1, caption.width(), width,
                         colour);
        return;
    }
    // Not smoothed: every pixel of it in the full colour.
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(caption.bottomLeft() + QPoint(-width, width),
                     caption.topRight() + QPoint(width, -width));
}
