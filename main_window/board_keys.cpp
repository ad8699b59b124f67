// The board by keyboard alone: one key names a letter, one more presses it. Enter and Space
// press a letter only when the player named it or moved to it since the last guess: a second
// Enter, or Enter after a letter already tried, guesses nothing.

#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/letter_button.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <climits>

namespace {

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool isPress(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool givenBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

bool namedBy(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace

void frmMain::listenToKeys() {
    installEventFilter(this); // the keys that come while no control has the focus
    menuBar()->installEventFilter(this);
    // A menu takes the keyboard from the board and gives it back with nothing focused, however
    // it closes: the menu bar then never restores the drawing's focus, which a screen reader
    // would read whole before what the chosen item did.
    for (const QMenu* menu : {mnuFile, mnuOptions, mnuav})
        connect(menu, &QMenu::aboutToShow, this, [this] { leaveNothingFocused(false); });
    Picture1->installEventFilter(this);
    Command1->installEventFilter(this);
    for (QPushButton* letter : cmdLetter)
        letter->installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus)
            quietWhenUnfocused(control);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn && watched != menuBar()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus given back as a menu closes or the window comes back, while nothing was focused
        // on purpose: it is not the player's, and a screen reader would read it out first.
        if (focusLetGo_ && givenBack(reason) && widget) {
            widget->clearFocus();
            return true;
        }
        focusLetGo_ = false;
        auto* letter = qobject_cast<QPushButton*>(watched);
        if (letter && letter != Command1 && namedBy(reason))
            named_ = letter;
    }
    // A menu bar left with the focus and no menu open gives the keys back to the board.
    if (watched == menuBar() && event->type() == QEvent::KeyPress && !menuBar()->activeAction()) {
        menuBar()->clearFocus();
        return boardKey(this, *static_cast<QKeyEvent*>(event));
    }
    // A key the focused control left alone reaches the window too: it was answered there.
    const bool ownKey = watched != this || !focusWidget();
    if (widget && ownKey && event->type() == QEvent::KeyPress &&
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
    if (watched == Command1 && (code == Qt::Key_Return || code == Qt::Key_Enter)) {
        if (!key.isAutoRepeat()) // held down, it must not deal over and over
            Command1->click();
        return true;
    }
    const auto* letter = std::find(cmdLetter.begin(), cmdLetter.end(), watched);
    const bool onLetter = letter != cmdLetter.end();
    if (isPress(code) && (onLetter || watched == this || watched == Picture1))
        return pressNamed(onLetter ? *letter : nullptr, key);
    if (!isArrow(code) || (!onLetter && watched != this))
        return false;
    if (QPushButton* next = letterToward(onLetter ? *letter : cmdLetter[lastLetter_], code))
        next->setFocus(Qt::TabFocusReason);
    return true; // at an edge the focus stays, rather than wander off the letters
}

// Enter or Space on a letter the player named presses it; anywhere else among the letters it
// only says how to guess.
bool frmMain::pressNamed(QPushButton* letter, const QKeyEvent& key) {
    if (letter && letter == named_) {
        if (key.key() == Qt::Key_Space)
            return false; // the button presses on Space's release, as ever
        if (!key.isAutoRepeat())
            letter->click();
        return true;
    }
    if (!key.isAutoRepeat())
        //: Spoken when Enter or Space has no letter to press.
        announce(lblNotice, gameInProgress() ? tr("Type a letter to guess.") : gameState());
    return true;
}

// A typed letter takes the focus to its button and presses nothing: Space or Enter then does.
void frmMain::letterTyped(qint16 index) {
    QPushButton* letter = cmdLetter[index];
    named_ = nullptr;
    if (!gameInProgress()) {
        announce(lblNotice, gameState()); // that no game is on, and how to deal one
    } else if (letter->isEnabled()) {
        letter->setFocus(Qt::ShortcutFocusReason);
        named_ = letter;
    } else {
        announce(lblNotice,
                 inWord(letter->text())
                     //: Spoken when a letter already guessed is typed again. %1: the letter.
                     ? tr("%1: already tried, a hit.").arg(letter->text())
                     //: Spoken when a letter already guessed is typed again. %1: the letter.
                     : tr("%1: already tried, a miss.").arg(letter->text()));
    }
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

// After a deal or a guess no control keeps the focus: a screen reader then says nothing of the
// focus before the answer, and no Enter can guess a letter nobody named.
void frmMain::leaveNothingFocused(bool keepTheDrawing) {
    named_ = nullptr;
    if (QWidget* focused = focusWidget(); focused && !(keepTheDrawing && focused == Picture1))
        focused->clearFocus();
    focusLetGo_ = !focusWidget();
}
