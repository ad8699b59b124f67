#include "main_window/letter_slot.h"

#include <QPainter>

LetterSlot::LetterSlot(QWidget* parent)
    : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(spoken(caption_));
}

void LetterSlot::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(spoken(caption_));
    update();
}

QString LetterSlot::spoken(const QString& caption) {
    if (caption == QStringLiteral("& "))
        //: A screen reader's word for a letter of the word not yet found: "Word: blank N T".
        return tr("blank", "a hidden letter");
    if (caption == QStringLiteral("-"))
        return {};
    return shown(caption).text.trimmed();
}

LetterSlot::Shown LetterSlot::shown(const QString& caption) {
    Shown result;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            result.text += caption[i];
            continue;
        }
        if (++i >= caption.size())
            break;
        if (caption[i] != u'&' && result.underlined < 0)
            result.underlined = result.text.size();
        result.text += caption[i];
    }
    return result;
}

void LetterSlot::paintEvent(QPaintEvent*) {
    const Shown show = shown(caption_);
    if (show.text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    // Centred across, standing at the top of the slot.
    const int left = (width() - metrics.horizontalAdvance(show.text)) / 2;
    const int baseline = metrics.ascent();
    painter.drawText(left, baseline, show.text);
    if (show.underlined < 0)
        return;
    // Drawn by hand: a text underline leaves a lone blank bare, and a blank is what we mark.
    const int start = left + metrics.horizontalAdvance(show.text.left(show.underlined));
    const int length = metrics.horizontalAdvance(show.text.at(show.underlined));
    const int thickness = qMax(1, metrics.lineWidth());
    painter.fillRect(start, baseline + metrics.underlinePos(), length, thickness,
                     painter.pen().color());
}
