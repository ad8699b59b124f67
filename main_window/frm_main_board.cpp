// The board as it stands before the start-up load touches it: the whole drawing shown, the
// slots showing "A" (all but slot 6), every letter button enabled, the timer running.

#include "main_window/accessibility.h"
#include "main_window/drawing_pane.h"
#include "main_window/figure.h"
#include "main_window/frm_main.h"
#include "main_window/legibility.h"
#include "main_window/letter_button.h"
#include "main_window/letter_slot.h"
#include "main_window/picture.h"
#include "main_window/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr QSize kClientTwips{8025, 5670};

void paintBlack(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* image(QWidget* parent, const QString& resource, QRect place) {
    auto* label = new QLabel(parent);
    label->setPixmap(picture(resource));
    label->setGeometry(place);
    return label;
}

QFont slotFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setBold(true);
    font.setPointSizeF(scaledPoints(27.75));
    return font;
}

constexpr int kSlotTop = 5160;

// The board's own height, or more where the slots' font reaches lower: a letter's tail, as Q's,
// and a blank's bar are never cut by the window's edge.
int clientHeight() {
    const QFontMetrics slot(slotFont());
    int below = slot.underlinePos() + std::max(1, slot.lineWidth());
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        below = std::max(below, slot.boundingRect(QChar(letter)).bottom() + 1);
    return std::max(px(kClientTwips.height()), px(kSlotTop) + slot.ascent() + below);
}

QRect placeOf(const FigurePiece& piece) {
    return twipsRect(piece.left, piece.top, piece.width, piece.height);
}

} // namespace

void frmMain::buildBoard() {
    setWindowTitle(QStringLiteral("Gibbetry"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(px(kClientTwips.width()), clientHeight());
    paintBlack(client);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Picture1 = new DrawingPane(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setAccessibleRole(Picture1, QAccessible::Graphic);
    Picture1->setGeometry(twipsRect(240, 240, 4455, 3615));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    paintBlack(Picture1);
    buildFigure();

    Image1 = image(client, QStringLiteral(":/assets/title.png"), twipsRect(5280, 840, 2355, 1020));
    Image1->setAccessibleName(QStringLiteral("Gibbetry"));

    Command1 = new QPushButton(tr("New Game"), client);
    Command1->setGeometry(twipsRect(5760, 2760, 1215, 495));
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);

    Frame4 = new QFrame(client);
    // A group, so that a screen reader's review moves on from the letters to the slots.
    setAccessibleRole(Frame4, QAccessible::Grouping);
    //: A screen reader's name for the group of 26 letter buttons.
    Frame4->setAccessibleName(tr("Letters", "the letter buttons"));
    Frame4->setGeometry(twipsRect(240, 3840, 7575, 1215));
    Frame4->setFrameStyle(QFrame::Box | QFrame::Sunken);
    paintBlack(Frame4);
    buildLetterButtons();
    buildLetterSlots();

    Line1 = new QFrame(client);
    hideFromReaders(Line1); // it crosses the slots, and would be read inside the word
    Line1->setGeometry(QRect(twipsPoint(600, 5400), twipsPoint(7560, 5400)));
    // The desktop's text colour, which on the black board is meant to pass unseen: a dark
    // palette's light text would draw it across the word instead.
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    QPalette linePalette = Line1->palette();
    linePalette.setColor(QPalette::Window, desktopIsDark() ? QColor(Qt::black) : text);
    Line1->setPalette(linePalette);
    Line1->setAutoFillBackground(true);
    Line1->lower(); // it runs through the slots' band and must not cross their letters

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    Timer1->start();

    lblNotice = makeNotice(client);
    buildMenus();
    setTabOrder();
    listenToKeys();
    describeDrawing();
}

void frmMain::buildFigure() {
    // Created in the order the pieces appear, so a later piece lies over an earlier one.
    std::array<QLabel*, kPieces> pieces{};
    for (qsizetype i = 0; i < kPieces; ++i) {
        const FigurePiece& piece = kDrawingPieces[i];
        pieces[i] = image(Picture1, QStringLiteral(":/assets/") + QLatin1String(piece.picture),
                          placeOf(piece));
    }
    std::copy_n(pieces.begin(), 6, Man.begin());
    Shape = pieces[6];
    std::copy(pieces.begin() + 7, pieces.end(), Man.begin() + 6);
}

void frmMain::buildLetterButtons() {
    for (int i = 0; i < 26; ++i) {
        const bool topRow = i < 15;
        const int left = topRow ? 120 + 480 * i : 1080 + 480 * (i - 15);
        auto* button = new LetterButton(QChar(u'A' + i),
                                        twipsRect(left, topRow ? 240 : 720, 400, 400), Frame4);
        const auto index = static_cast<qint16>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdLetter_Click(index); });
        cmdLetter[i] = button;
    }
}

void frmMain::buildLetterSlots() {
    const QFont font = slotFont();
    for (int i = 0; i < kLongestWord; ++i) {
        auto* slot = new LetterSlot(centralWidget());
        const int left = i == 11 ? 7200 : 555 + 600 * i;
        slot->setGeometry(twipsRect(left, kSlotTop, 345, 615));
        slot->setFont(font);
        QPalette palette = slot->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        slot->setPalette(palette);
        slot->setCaption(i == 6 ? QString() : QStringLiteral("A"));
        lblLetter[i] = slot;
    }
}

void frmMain::buildMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuStartGame = mnuFile->addAction(tr("&New Game"));
    mnuStopGame = mnuFile->addAction(tr("S&top Game"));
    mnuStopGame->setEnabled(false);
    mnuNothing1 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(tr("&Quit Game"));

    mnuOptions = menuBar()->addMenu(tr("&Options"));
    mnuEditWordsList = mnuOptions->addAction(tr("Edit &Words List"));

    //: The menu that holds "About Gibbetry"; it has no access key.
    mnuav = menuBar()->addMenu(tr("About", "menu"));
    mnuabout = mnuav->addAction(tr("About Gibbetry"));

    connect(mnuStartGame, &QAction::triggered, this, &frmMain::mnuStartGame_Click);
    connect(mnuStopGame, &QAction::triggered, this, [this] {
        mnuStopGame_Click();
        announceStopped();
    });
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuEditWordsList, &QAction::triggered, this, &frmMain::mnuEditWordsList_Click);
    connect(mnuabout, &QAction::triggered, this, &frmMain::mnuabout_Click);
}

void frmMain::setTabOrder() {
    // The pane first, then the letters backwards from "Z" to "A", then "New Game".
    QWidget* previous = Picture1;
    for (int i = 25; i >= 0; --i) {
        QWidget::setTabOrder(previous, cmdLetter[i]);
        previous = cmdLetter[i];
    }
    QWidget::setTabOrder(previous, Command1);
}
