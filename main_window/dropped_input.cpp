#include "main_window/dropped_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

DroppedInput::DroppedInput() {
    QCoreApplication::instance()->installEventFilter(this);
}

DroppedInput::~DroppedInput() {
    // What waits now is delivered here, to nobody; timers wait for the loop that runs next.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers |
                                    QEventLoop::ExcludeSocketNotifiers);
    QCoreApplication::instance()->removeEventFilter(this);
}

bool DroppedInput::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        event->accept(); // or the key would fire a shortcut instead of arriving here
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}
