#pragma once

#include <QFrame>

// The black pane the drawing stands on. With the focus it shows a frame, so that a player at
// the keyboard can see where the focus is.
class DrawingPane final : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
