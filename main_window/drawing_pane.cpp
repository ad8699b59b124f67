#include "main_window/drawing_pane.h"

#include "main_window/accessibility.h"
#include "main_window/legibility.h"

#include <QPainter>

namespace {

// Lies over the pane and its pieces, and draws the frame while the pane has the focus.
class FocusFrame final : public QWidget {
public:
    explicit FocusFrame(QWidget* pane)
        : QWidget(pane->parentWidget())
        , pane_(pane) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hideFromReaders(this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!pane_->hasFocus())
            return;
        QPainter painter(this);
        const double width = ringWidth(font());
        // The desktop's highlight, unless it would vanish on the black board.
        QPen pen(standingOut({pane_->palette().color(QPalette::Window)},
                             palette().color(QPalette::Highlight)),
                 width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }

private:
    const QWidget* pane_;
};

} // namespace

DrawingPane::DrawingPane(QWidget* parent)
    : QFrame(parent)
    , focusFrame_(new FocusFrame(this)) {}

void DrawingPane::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    focusFrame_->setGeometry(geometry());
}
