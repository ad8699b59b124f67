#pragma once

#include "main_window/figure.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class LetterButton;
class LetterSlot;
class ListView;
class frmAbout;
class frmWords;
struct Platform;

// The start-up window and the whole board. Its routines are spread over the subsystems that
// own them: the game's in game/, the start-up load in word_list/.
class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    // Builds the board and runs the start-up load, as the program does when it starts.
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    QFrame* Picture1 = nullptr;
    std::array<QLabel*, 11> Man{};
    QLabel* Shape = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
    QFrame* Frame4 = nullptr;
    std::array<LetterButton*, 26> cmdLetter{};
    // One slot a character: the longest word the board can show.
    static constexpr int kLongestWord = 12;
    std::array<LetterSlot*, kLongestWord> lblLetter{};
    QFrame* Line1 = nullptr;
    QTimer* Timer1 = nullptr;
    // Never shown: what a screen reader says after a deal and each guess.
    QLabel* lblNotice = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuStartGame = nullptr;
    QAction* mnuStopGame = nullptr;
    QAction* mnuNothing1 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuEditWordsList = nullptr;
    QMenu* mnuav = nullptr;
    QAction* mnuabout = nullptr;

    qint16 MissCount = 0;

    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void cmdLetter_Click(qint16 index);
    void Timer1_Timer();
    void mnuStartGame_Click();
    void mnuStopGame_Click();
    void mnuExit_Click();
    void mnuEditWordsList_Click();
    void mnuabout_Click();

    // The twelve pieces of the drawing in the order a game reveals them.
    std::array<QLabel*, kPieces> figure() const;
    // Tells a screen reader how much of the drawing is up and, in its description, the game.
    // A letter being judged counts as tried already.
    void describeDrawing(const QPushButton* judged = nullptr);
    // From a deal until the game is won, lost or stopped.
    bool gameInProgress() const;
    // "Word: blank N T E R N E T. 10 misses left. Missed: A, O. Found: E, N, T, R."
    QString gameState(const QPushButton* judged = nullptr) const;
    // Said once the editor has closed: what Close threw away.
    void editorClosed(bool discardedEdits);

    // The word list editor, created hidden on first use; its list is the game's word list.
    frmWords& wordsWindow();
    ListView& lstWords();
    // Lets the editor go: the next use of the word list creates a new, empty editor.
    void discardWordsWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The board's keys: a letter takes the focus to its button, the arrows move among the
    // letters, Enter presses, F2 tells the game.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoard();
    void buildFigure();
    void buildLetterButtons();
    void buildLetterSlots();
    void buildMenus();
    void setTabOrder();
    void listenToKeys();

    bool boardKey(QWidget* watched, const QKeyEvent& key);
    bool pressNamed(QPushButton* letter, const QKeyEvent& key);
    void letterTyped(qint16 index);
    QPushButton* letterToward(const QPushButton* from, int arrow) const;
    // The drawing, where the player went to read it, keeps the focus unless told otherwise.
    void leaveNothingFocused(bool keepTheDrawing = true);

    void layOutWord(const QString& word);
    bool wordComplete() const;
    QString guessReport(const QString& letter, int places) const;
    // While a screen reader runs, a short sound says a hit or a miss before any word does.
    void cueGuess(bool hit);
    static QString cueFile(bool hit);
    // A game that ended without a win or a loss is heard too.
    void announceStopped();
    QString spokenWord() const;
    QString missesLeft() const;
    bool inWord(const QString& letter) const;
    void showStage(qint16 stage);
    void endGame(const QString& message, const QString& sound);

    Platform& platform_;
    // The letter the player named or moved to since the last guess: the only one Enter presses.
    QPointer<QPushButton> named_;
    // Where the arrows start from while no letter has the focus.
    qint16 lastLetter_ = 0;
    // Nothing is focused on purpose, after a guess or a menu: the window keeps it so.
    bool focusLetGo_ = false;
    bool droppingGame_ = false;
    bool discardedEdits_ = false;
    QPointer<frmWords> words_;
    QPointer<frmAbout> about_;
};
