#include "main_window/drawing_pane.h"

#include <QPainter>

namespace {
constexpr int kFrameWidth = 2;
}

void DrawingPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void DrawingPane::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void DrawingPane::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}
