// The board by keyboard alone: one key reaches any letter, one more presses it.

#include "main_window/accessibility.h"
#include "main_window/frm_main.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <climits>

namespace {

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

void frmMain::listenToKeys() {
    Picture1->installEventFilter(this);
    Command1->installEventFilter(this);
    for (QPushButton* letter : cmdLetter)
        letter->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && event->type() == QEvent::KeyPress &&
        boardKey(widget, *static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::boardKey(QWidget* watched, const QKeyEvent& key) {
    // Shift is no modifier here: a capital is the same letter.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int code = key.key();
    if (code == Qt::Key_F2) {
        announce(lblNotice, gameState());
        return true;
    }
    if (code >= Qt::Key_A && code <= Qt::Key_Z) {
        letterTyped(static_cast<qint16>(code - Qt::Key_A));
        return true;
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (code == Qt::Key_Return || code == Qt::Key_Enter)) {
        if (!key.isAutoRepeat()) // held down, it must not deal or guess over and over
            button->click();
        return true;
    }
    const auto* letter = std::find(cmdLetter.begin(), cmdLetter.end(), button);
    if (letter == cmdLetter.end() || !isArrow(code))
        return false;
    if (QPushButton* next = letterToward(*letter, code))
        next->setFocus(Qt::TabFocusReason);
    return true; // at an edge the focus stays, rather than wander off the letters
}

// A typed letter takes the focus to its button and presses nothing: Space or Enter then does.
void frmMain::letterTyped(qint16 index) {
    QPushButton* letter = cmdLetter[index];
    if (!gameInProgress())
        announce(lblNotice, gameState()); // that no game is on, and how to deal one
    else if (letter->isEnabled())
        letter->setFocus(Qt::ShortcutFocusReason);
    else
        announce(lblNotice,
                 QStringLiteral("%1: already tried, %2.")
                     .arg(letter->text(), inWord(letter->text()) ? QStringLiteral("a hit")
                                                                 : QStringLiteral("a miss")));
}

// The nearest letter still to be tried in the arrow's direction, as the letters stand on the
// board: along the row for Left and Right, the nearest one in the other row for Up and Down.
QPushButton* frmMain::letterToward(const QPushButton* from, int arrow) const {
    const bool alongRow = arrow == Qt::Key_Left || arrow == Qt::Key_Right;
    const int sign = arrow == Qt::Key_Left || arrow == Qt::Key_Up ? -1 : 1;
    const QPoint here = from->geometry().center();
    QPushButton* nearest = nullptr;
    std::pair<int, int> nearestDistance{INT_MAX, INT_MAX};
    for (QPushButton* letter : cmdLetter) {
        const QPoint offset = letter->geometry().center() - here;
        const int ahead = sign * (alongRow ? offset.x() : offset.y());
        if (!letter->isEnabled() || ahead <= 0 || (alongRow && offset.y() != 0))
            continue;
        const std::pair<int, int> distance{ahead, alongRow ? 0 : qAbs(offset.x())};
        if (distance < nearestDistance) {
            nearest = letter;
            nearestDistance = distance;
        }
    }
    return nearest;
}
