#include "main_window/frm_main.h"

#include "about/frm_about.h"
#include "main_window/accessibility.h"
#include "main_window/legibility.h"
#include "main_window/platform.h"
#include "main_window/twips.h"
#include "word_list/frm_words.h"
#include "word_list/list_place.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>

namespace {
// Room for the window manager's title bar and borders, unknown before a window first shows.
constexpr QSize kWindowFrame{16, 48};
} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform) {
    fitTwipsToFont(QApplication::font());
    fitTwipsToRoom(screen()->availableGeometry().size() - kWindowFrame);
    fitCaptionsToLayout(*this);
    useFocusRings();
    buildBoard();
    settleWordListPlace();
    Form_Load();
    Picture1->setFocus();
}

frmMain::~frmMain() {
    delete about_;
}

std::array<QLabel*, kPieces> frmMain::figure() const {
    return {Man[0], Man[1], Man[2], Man[3], Man[4], Man[5],
            Shape,  Man[6], Man[7], Man[8], Man[9], Man[10]};
}

frmWords& frmMain::wordsWindow() {
    if (!words_)
        words_ = new frmWords(*this, platform_);
    return *words_;
}

ListView& frmMain::lstWords() {
    return *wordsWindow().lstWords;
}

void frmMain::discardWordsWindow() {
    if (!words_)
        return;
    words_->hide();
    words_->deleteLater();
    words_ = nullptr;
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    // The program ends here: every other window simply goes, without closing handlers of its
    // own, and nothing is saved.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->hide();
    }
    QCoreApplication::quit();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuEditWordsList_Click() {
    const bool playing = gameInProgress();
    discardedEdits_ = false;
    wordsWindow().exec();
    // Closing the editor drops what was not saved, reloads the list and so ends a game: say so,
    // or it all goes unheard.
    QStringList news;
    if (discardedEdits_)
        //: Spoken as the word list editor closes with edits not saved.
        news << tr("Unsaved changes discarded.");
    if (playing && !gameInProgress())
        //: Spoken when closing the word list editor ends a game.
        news << tr("Game stopped.");
    if (!news.isEmpty())
        announce(lblNotice, news.join(u' '));
}

void frmMain::editorClosed(bool discardedEdits) {
    discardedEdits_ = discardedEdits;
}

void frmMain::mnuabout_Click() {
    // One box at most: choosing the item again brings the open one forward.
    if (!about_)
        about_ = new frmAbout(platform_.shell);
    about_->show();
    about_->raise();
    about_->activateWindow();
}
