#pragma once

#include <QFrame>

// The black pane the drawing stands on. With the focus it shows a frame, over the drawing's
// pieces, so that a player at the keyboard can see where the focus is. The frame lies beside the
// pane, on top of it, as the pieces inside would cover a frame of the pane's own; a change of
// focus repaints the pane, and with it whatever lies over it.
class DrawingPane final : public QFrame {
    Q_OBJECT
public:
    explicit DrawingPane(QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* focusFrame_ = nullptr;
};
