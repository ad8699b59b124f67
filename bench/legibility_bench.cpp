// What a player who sees poorly finds on the real windows under the desktop's settings, measured
// on the pixels drawn: each window's size against the screen, whether the word's row is whole
// and on screen, and the contrasts of the figure, the drawing's frame, the focus ring and a used
// letter. Prints one Markdown row for the setting it runs under (a scale factor, a platform
// theme's palette and font); bench/legibility.sh runs each setting on a private X screen.
//
//   build/bench/legibility_bench NAME

#include "bench/silent_desktop.h"
#include "game/random_source.h"
#include "main_window/frm_main.h"
#include "main_window/legibility.h"
#include "main_window/letter_slot.h"
#include "main_window/platform.h"
#include "main_window/program_folder.h"
#include "word_list/frm_words.h"
#if __has_include("main_window/letter_button.h")
#include "main_window/letter_button.h"
#endif

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// The window as drawn, one pixel per logical pixel, and where a widget lies in it.
QImage drawn(QWidget& window) {
    return window.grab().toImage().scaled(window.size()).convertToFormat(QImage::Format_RGB32);
}

QRect placeIn(const QWidget& window, const QWidget& widget) {
    return {widget.mapTo(&window, QPoint()), widget.size()};
}

double boldest(const QImage& image, QRect area, const QColor& ground) {
    double best = 1;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, contrastRatio(image.pixelColor(x, y), ground));
    return best;
}

QString deviceSize(const QWidget& window) {
    const QSize size = window.frameGeometry().size() * window.devicePixelRatioF();
    const QSize room = window.screen()->availableGeometry().size() * window.devicePixelRatioF();
    const bool fits = size.width() <= room.width() && size.height() <= room.height();
    return QStringLiteral("%1×%2%3").arg(size.width()).arg(size.height()).arg(fits ? "" : " ✗");
}

// How many pixels of the word's row the board's edge or the screen's cuts off, with a Q, whose
// tail reaches lowest, in the first slot and a blank in the second.
int wordRowCut(frmMain& window) {
    window.lblLetter[0]->setCaption(QStringLiteral("Q"));
    window.lblLetter[1]->setCaption(QStringLiteral("& "));
    int lowest = 0;
    for (LetterSlot* slot : window.lblLetter) {
        QImage ink(slot->size(), QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
        slot->render(&ink, {}, {}, QWidget::DrawChildren);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                if (qAlpha(ink.pixel(x, y)))
                    lowest = std::max(lowest, slot->y() + y + 1);
    }
    const int board = window.centralWidget()->height();
    const int screen = window.screen()->availableGeometry().bottom() + 1 -
                       window.centralWidget()->mapToGlobal(QPoint()).y();
    return qRound((lowest - std::min(board, screen)) * window.devicePixelRatioF());
}

// The focus ring's weakest contrast: its outer band against what lies behind the button, its
// inner band (the same where there is one) against the face beside it.
double ringContrast(frmMain& window, QPushButton& button) {
    button.setFocus(Qt::TabFocusReason);
    settle();
    const QImage shown = drawn(window);
    const QRect place = placeIn(window, button);
    // The ring's width along the middle; its bands along a row above the caption.
    int row = place.center().y(), width = 0;
    const auto at = [&](int x) { return shown.pixelColor(place.left() + x, row); };
    while (at(width) == at(0))
        ++width;
    row = place.top() + 2 * width + 2;
    const bool twoBands = at(width) == at(2 * width - 1) && at(2 * width) != at(width);
    const QColor inner = at(twoBands ? width : 0);
    const int inside = (twoBands ? 2 : 1) * width + 1;
    double weakest = contrastRatio(at(0), at(-2));
    for (const QColor& face :
         {at(inside), shown.pixelColor(place.center().x(), place.top() + inside),
          shown.pixelColor(place.center().x(), place.bottom() - inside)})
        weakest = std::min(weakest, contrastRatio(inner, face));
    return weakest;
}

// A used letter's caption against its face; the caption lies within the button's middle third.
double usedCaptionContrast(frmMain& window, QPushButton& button) {
    const QImage shown = drawn(window);
    const QRect place = placeIn(window, button);
    const QColor face = shown.pixelColor(place.center().x(), place.top() + 4);
    const QRect caption(place.left() + place.width() / 3, place.top() + place.height() / 3,
                        place.width() / 3, place.height() / 3);
    return boldest(shown, caption, face);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder; // a first run: the whole drawing up
    setProgramFolder(folder.path());
    SilentDesktop silent;
    FixedStartRandom random;
    Platform platform{silent, silent, silent, random, silent};

    frmMain window(platform);
    window.show();
    window.activateWindow();
    settle();
    const QImage board = drawn(window);
    const double figure = boldest(board, placeIn(window, *window.Man[6]), Qt::black);
    window.Picture1->setFocus();
    settle();
    const QImage framed = drawn(window);
    const QRect pane = placeIn(window, *window.Picture1);
    const double frame = contrastRatio(framed.pixelColor(pane.center().x(), pane.top()), Qt::black);
    const double ring = ringContrast(window, *window.Command1);
    window.wordsWindow().cmdClose->click(); // loads the first run's words
    window.Command1->click();
    window.cmdLetter['Q' - 'A']->click();
    settle();
    const double used = usedCaptionContrast(window, *window.cmdLetter['Q' - 'A']);
    const int cut = wordRowCut(window);
    window.wordsWindow().show();
    settle();
    std::printf("| %s | %s | %s | %s | %.2f | %.2f | %.2f | %.2f |\n", argc > 1 ? argv[1] : "",
                qPrintable(deviceSize(window)), qPrintable(deviceSize(window.wordsWindow())),
                cut > 0 ? qPrintable(QStringLiteral("%1 px cut").arg(cut)) : "whole", figure, frame,
                ring, used);
    window.wordsWindow().hide();
    return 0;
}
