// The real desktop behind the game: its message box, input box and sound player, the About box,
// and how each window looks, pixel for pixel, against the pictures approved for it.

#include "about/frm_about.h"
#include "about/link_label.h"
#include "fixture.h"
#include "game/multimedia_sound.h"
#include "main_window/desktop_platform.h"
#include "main_window/legibility.h"
#include "main_window/letter_slot.h"
#include "main_window/picture.h"
#include "main_window/translations.h"
#include "main_window/twips.h"
#include "word_list/frm_saving.h"
#include "word_list/frm_words.h"
#include "word_list/settings_file.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

using namespace std::chrono_literals;

namespace {

QList<frmAbout*> aboutBoxes() {
    QList<frmAbout*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<frmAbout*>(window); box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

bool centredOnScreen(const QWidget& box) {
    const QPoint offset =
        box.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    return offset.manhattanLength() <= 2;
}

// What Qt's style draws and the game only places: scroll bars, and the frame around a list up to
// where its rows begin. Each Qt release may draw them anew (Qt 6.8 its scroll bars, 6.11 rounder
// list frames); the rows, buttons, captions and pictures inside are compared to the pixel.
QRegion styleDrawn(const QWidget& window) {
    QRegion drawn;
    for (const QScrollBar* bar : window.findChildren<QScrollBar*>())
        if (bar->isVisible())
            drawn += QRect(bar->mapTo(&window, QPoint()), bar->size());
    for (const QAbstractScrollArea* area : window.findChildren<QAbstractScrollArea*>())
        drawn += QRegion(QRect(area->mapTo(&window, QPoint()), area->size())) -
                 QRect(area->viewport()->mapTo(&window, QPoint()), area->viewport()->size());
    return drawn;
}

// How many of the game's own pixels in the window differ from its approved picture
// (tests/approved/NAME.png). Set GIBBETRY_APPROVE=DIR to write what the window shows there, to
// look at or to approve.
qsizetype differingPixels(QWidget& window, const QString& name) {
    QCoreApplication::processEvents(); // a window on the screen is read from the screen
    const QPixmap pixels =
        window.isVisible() ? window.screen()->grabWindow(window.winId()) : window.grab();
    const QImage shown = pixels.toImage().convertToFormat(QImage::Format_RGB32);
    if (const QByteArray out = qgetenv("GIBBETRY_APPROVE"); !out.isEmpty())
        shown.save(QFile::decodeName(out) + u'/' + name + QStringLiteral(".png"));
    const QImage approved =
        QImage(QStringLiteral(GIBBETRY_APPROVED "/") + name + QStringLiteral(".png"))
            .convertToFormat(QImage::Format_RGB32);
    if (approved.size() != shown.size())
        return shown.width() * shown.height();
    const QRegion toolkits = styleDrawn(window);
    qsizetype differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != approved.pixel(x, y) && !toolkits.contains({x, y});
    }
    return differing;
}

// A desktop's palette: its ground for windows and buttons, its ink, and its highlight.
QPalette desktopPalette(const QColor& ground, const QColor& ink, const QColor& highlight) {
    QPalette palette(ground, ground);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, ink);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

// The colour in `area` of the image that stands out most against `ground`.
QColor boldestAgainst(const QImage& image, QRect area, const QColor& ground) {
    QColor boldest = ground;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (contrastRatio(image.pixelColor(x, y), ground) > contrastRatio(boldest, ground))
                boldest = image.pixelColor(x, y);
    return boldest;
}

// The access keys given twice among these captions: each letter after a '&'.
template <typename Captioned> QStringList repeatedAccessKeys(const QList<Captioned>& controls) {
    QStringList keys, repeated;
    for (const auto& control : controls) {
        QString caption;
        if constexpr (std::is_same_v<Captioned, QString>)
            caption = control;
        else
            caption = control->text();
        if (const qsizetype at = caption.indexOf(u'&'); at >= 0 && at + 1 < caption.size())
            (keys.contains(caption[at + 1].toLower()) ? repeated : keys)
                << caption[at + 1].toLower();
    }
    return repeated;
}

// Captions cut short by their control: each button's text must fit what the style leaves
// inside it, each label's its own rectangle.
QStringList clippedCaptions(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        QRect room = control->contentsRect();
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text = button->text();
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else if (const auto* label = qobject_cast<const QLabel*>(control);
                   label && label->isVisible()) {
            text = label->text();
        }
        // A blank at the end shows nothing.
        const QSize needed = control->fontMetrics().size(Qt::TextShowMnemonic, text.trimmed());
        if (!text.isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
            clipped << QStringLiteral("%1 (%2x%3 in %4x%5)")
                           .arg(text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
    }
    return clipped;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::optional<GameRun> run_;

    frmAbout& openAbout() {
        run_->window->mnuabout->trigger();
        return *aboutBoxes().value(0);
    }

private slots:
    void init() {
        run_.emplace();
        run_->writeWords({"Wax", "Corn", "Tree", "Wash", "Rich"});
    }
    void cleanup() {
        run_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void theMessageBoxShowsItsStyleAndAnswersWithTheButtonPressed_data() {
        QTest::addColumn<int>("style"); // 48 and 53 warn, 64 informs; 53 offers Retry and Cancel
        QTest::addColumn<int>("press"); // a button, or a key
        QTest::addColumn<int>("answer");
        QTest::newRow("48, OK") << 48 << int(QMessageBox::Ok) << 1;
        QTest::newRow("53, Retry") << 53 << int(QMessageBox::Retry) << 4;
        QTest::newRow("53, Cancel") << 53 << int(QMessageBox::Cancel) << 2;
        QTest::newRow("53, Enter retries") << 53 << int(Qt::Key_Return) << 4;
        QTest::newRow("53, Esc cancels") << 53 << int(Qt::Key_Escape) << 2;
        QTest::newRow("64, OK") << 64 << int(QMessageBox::Ok) << 1;
    }
    void theMessageBoxShowsItsStyleAndAnswersWithTheButtonPressed() {
        QFETCH(int, style);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString seen;
        whenModal([&](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box);
            seen = box->windowTitle() + u'|' + box->text();
            QCOMPARE(box->icon(), style == 64 ? QMessageBox::Information : QMessageBox::Warning);
            QCOMPARE(box->standardButtons(), style == 53
                                                 ? QMessageBox::Retry | QMessageBox::Cancel
                                                 : QMessageBox::StandardButtons(QMessageBox::Ok));
            if (press >= Qt::Key_Escape)
                QTest::keyClick(box, Qt::Key(press));
            else
                box->button(QMessageBox::StandardButton(press))->click();
        });
        QCOMPARE(QtMessageBox().show(QStringLiteral("Save Unsuccessful"), style,
                                     QStringLiteral("Gibbetry")),
                 answer);
        QCOMPARE(seen, QStringLiteral("Gibbetry|Save Unsuccessful"));
    }

    void theInputBoxGivesWhatWasTypedOrNothingOnCancel() {
        for (const bool ok : {true, false}) {
            QString seen;
            whenModal([&](QWidget& modal) {
                auto* box = qobject_cast<QInputDialog*>(&modal);
                QVERIFY(box);
                seen = box->windowTitle() + u'|' + box->labelText() + u'|' + box->textValue();
                QCOMPARE(box->pos(), QPoint(100, 60));
                QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("Wax"));
                QTest::keyClick(box, ok ? Qt::Key_Return : Qt::Key_Escape);
            });
            QCOMPARE(QtInputBox().ask(QStringLiteral("Enter New Word"), QStringLiteral("Add Word"),
                                      QStringLiteral("x"), QPoint(1500, 900)),
                     ok ? QStringLiteral("Wax") : QString());
            QCOMPARE(seen, QStringLiteral("Add Word|Enter New Word|x"));
        }
    }

    void soundsAlwaysReturnAndTheGameFindsItsPlayerBesideIt() {
        const QString win = QStringLiteral(GIBBETRY_ASSETS "/win.wav");
        QVERIFY(waveLength(win) > 500ms && waveLength(win) < 2s);
        QVERIFY(waveLength(QStringLiteral(GIBBETRY_ASSETS "/lose.wav")) > 500ms);
        QCOMPARE(waveLength(run_->file("missing.wav")), std::nullopt);
        run_->writeSettings(QByteArray("RIFF\x10\0\0\0WAVEdata\xff\xff\xff\xff", 20)); // corrupt
        QCOMPARE(waveLength(run_->file("Settings")), std::nullopt);
        // 250 bytes at 1000 a second, after an odd-sized chunk and the byte that pads it; a
        // header that claims more than the file holds plays what is there
        for (const char* claimed : {"\xfa\0\0\0", "\xff\xff\xff\x7f"}) {
            run_->writeSettings(QByteArray("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\xe8\x03\0\0"
                                           "\xe8\x03\0\0\x01\0\x08\0LIST\x03\0\0\0abc\0data",
                                           52) +
                                QByteArray(claimed, 4) + QByteArray(250, '\x80'));
            QCOMPARE(waveLength(run_->file("Settings")), 250ms);
        }
        QVERIFY(DesktopSound(QStringLiteral(GIBBETRY_MODULE_FOLDER)).moduleLoaded());
        DesktopSound withoutModule(run_->folder.path());
        QVERIFY(!withoutModule.moduleLoaded());
        withoutModule.playToEnd(win); // the beep
        withoutModule.prepare(win);   // and nothing at all, never a module that is not there
        withoutModule.cue(win);
        QCoreApplication::processEvents();
        for (const char* cue : {"/hit.wav", "/miss.wav"}) // short enough not to hold speech up
            QVERIFY(waveLength(QStringLiteral(GIBBETRY_ASSETS) + cue) <= 150ms);
        // Without an audio output, or without the file, playing is the beep, at once.
        const auto none = [] { return false; };
        const auto one = [] { return true; };
        int beeps = 0;
        const auto beep = [&beeps] { ++beeps; };
        QElapsedTimer clock;
        clock.start();
        MultimediaSound(none, beep).playToEnd(win);
        MultimediaSound(one, beep).playToEnd(run_->file("missing.wav"));
        QVERIFY(clock.elapsed() < 5000); // a busy builder may be slow, but no sound is waited for
        QCOMPARE(beeps, 2);
        // With one, this machine's or none at all, the board waits for the sound's own length
        // and then goes on, however late the effect reports its end (bench/sound_wait.sh).
        const qint64 length = waveLength(win)->count();
        clock.restart();
        MultimediaSound(one, beep).playToEnd(win);
        QCOMPARE(beeps, 2);
        QVERIFY2(clock.elapsed() >= length && clock.elapsed() < length + 5000,
                 qPrintable(QString::number(clock.elapsed())));
    }

    void theAboutBoxComesOnceCentredAndItsLinksOpenTheirAddresses() {
        run_->start().show();
        openAbout().move(10, 10); // a box dragged aside is brought back, not made again
        frmAbout& box = openAbout();
        QCOMPARE(aboutBoxes().size(), 1);
        QVERIFY(!centredOnScreen(box));
        // what it says is read out as it opens; its links are links a screen reader follows
        QCOMPARE(QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Description),
                 QStringLiteral("Gibbetry. Version 1.0. Two links: https://gibbetry.example/ and "
                                "Contact us."));
        QTest::mouseClick(box.Label5, Qt::LeftButton);
        QTest::mouseClick(box.Label4, Qt::LeftButton);
        QAccessibleInterface* contact = QAccessible::queryAccessibleInterface(box.Label7);
        QCOMPARE(contact->role(), QAccessible::Link);
        QCOMPARE(contact->text(QAccessible::Name), QStringLiteral("Contact us"));
        contact->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), box.cmdOK);   // only OK takes the focus
        for (const QLabel* link : {box.Label4, box.Label7}) // the pointing hand
            QCOMPARE(link->cursor().pixmap().toImage(), picture(":/assets/pointer.png").toImage());
        QCOMPARE(run_->desktop.opened, (QList<QUrl>{QUrl("mailto:support@gibbetry.example"),
                                                    QUrl("https://gibbetry.example/"),
                                                    QUrl("mailto:support@gibbetry.example")}));
        // The pointer is set for the whole program and stays: set, not stacked once a click.
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
        run_->window->Command1->click(); // the game stays playable with the box open
        QVERIFY(run_->window->mnuStopGame->isEnabled());
        box.cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(aboutBoxes().isEmpty());
        // Qt would place a dialog of its own on the screen under the pointer: the box is centred
        // on the main screen wherever the pointer is.
        QCursor::setPos(QGuiApplication::screens().constLast()->geometry().center());
        QVERIFY(centredOnScreen(openAbout()));
        QVERIFY(centredOnScreen(frmAbout(run_->desktop))); // as it is made, before it shows
    }

    // Run again at a scale factor of 2 (test_desktop_scaled): the pictures are then their own
    // twice-as-large versions, not blurred enlargements.
    void picturesAreDrawnSharpAtTheScreensScale() {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(qApp->devicePixelRatio(), scale);
        const QPixmap drawn = run_->start().Man[4]->pixmap();
        QCOMPARE(drawn.devicePixelRatio(), scale);
        QCOMPARE(drawn.toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(scale == 2 ? ":/assets/man4@2x.png" : ":/assets/man4.png")
                     .convertToFormat(QImage::Format_ARGB32));
    }

    // A player who sees poorly finds the focus and reads the letters already used, and how each
    // went, in any palette, judged on the pixels drawn; and sees no line that is not meant to be
    // seen. The dark palette's buttons are drawn lighter than its Button colour.
    void theFocusAndTheUsedLettersStandOutInEveryPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << desktopPalette(QColor(32, 32, 32), Qt::white,
                                                QColor(60, 110, 200));
        QTest::newRow("dark, grey text")
            << desktopPalette(QColor(70, 70, 70), QColor(200, 200, 200), QColor(60, 110, 200));
        QTest::newRow("grey") << desktopPalette(QColor(127, 127, 127), Qt::black,
                                                QColor(48, 140, 198));
        QTest::newRow("high contrast, white") << desktopPalette(Qt::white, Qt::black, Qt::black);
        QTest::newRow("high contrast, black")
            << desktopPalette(Qt::black, Qt::white, QColor(26, 235, 255));
    }
    void theFocusAndTheUsedLettersStandOutInEveryPalette() {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(palette);
        run_->writeWords({"Wax"});
        frmMain& window = run_->start();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto placeOf = [&](const QWidget* widget) {
            return QRect(widget->mapTo(&window, QPoint()), widget->size());
        };
        const QImage between = window.grab().toImage();
        QCOMPARE(boldestAgainst(between, placeOf(window.Line1), Qt::black), QColor(Qt::black));
        // The drawing's frame, as the screen shows it: there with the focus, gone without it,
        // back when the drawing is clicked.
        const QPoint frameTop(placeOf(window.Picture1).center().x(),
                              placeOf(window.Picture1).top());
        const auto frameShown = [&] {
            QCoreApplication::processEvents();
            return window.screen()->grabWindow(window.winId()).toImage().pixelColor(frameTop);
        };
        const QColor frame = frameShown();
        QVERIFY2(contrastRatio(frame, Qt::black) >= 3, qPrintable(frame.name()));
        window.Command1->setFocus();
        QCOMPARE(frameShown(), QColor(Qt::black));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          placeOf(window.Picture1).center());
        QCOMPARE(frameShown(), frame);
        const auto type = [&](std::initializer_list<Qt::Key> keys) {
            for (const Qt::Key key : keys)
                QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key);
        };
        window.Command1->click();
        type({Qt::Key_Q, Qt::Key_Return});
        // The ring, from the button's edge in: one band, or two where no one colour stands out
        // against both sides, the outer against what is behind, the inner against the face.
        const auto measure = [&](QPushButton* button) {
            const QImage shown = window.grab().toImage();
            const QRect place = placeOf(button);
            // The ring's width along the middle; its bands along a row above the caption.
            int row = place.center().y(), width = 0;
            const auto at = [&](int x) { return shown.pixelColor(place.left() + x, row); };
            while (at(width) == at(0))
                ++width;
            row = place.top() + 2 * width + 2;
            const bool twoBands = at(width) == at(2 * width - 1) && at(2 * width) != at(width);
            const QColor inner = at(twoBands ? width : 0);
            const int inside = (twoBands ? 2 : 1) * width + 1;
            QVERIFY(width >= ringWidth(button->font()));
            QVERIFY2(contrastRatio(at(0), at(-2)) >= 3,
                     qPrintable(at(0).name() + QStringLiteral(" before ") + at(-2).name()));
            for (const QColor& face :
                 {at(inside), at(place.width() / 2),
                  shown.pixelColor(place.center().x(), place.bottom() - inside)})
                QVERIFY2(contrastRatio(inner, face) >= 3,
                         qPrintable(inner.name() + QStringLiteral(" on ") + face.name()));
        };
        window.Command1->setFocus(Qt::TabFocusReason);
        measure(window.Command1);
        type({Qt::Key_E});
        measure(window.cmdLetter['E' - 'A']);
        type({Qt::Key_Return, Qt::Key_A, Qt::Key_Return});

        // A used caption, and the mark under a letter found or through one missed, against the
        // face.
        const QImage shown = window.grab().toImage();
        const auto ink = [&](char letter, int above) {
            const QPushButton* button = window.cmdLetter[letter - 'A'];
            const QFontMetrics metrics(button->font());
            const QPoint centre = placeOf(button).center();
            const int baseline = centre.y() + (metrics.ascent() - metrics.descent()) / 2;
            const int half = metrics.horizontalAdvance(button->text()) / 2;
            const QRect caption(centre.x() - half, baseline - metrics.capHeight(), half * 2,
                                metrics.capHeight());
            const QRect band =
                above > 0   ? QRect(centre.x(), caption.top() - 2 * above, half + 2, 2 * above - 1)
                : above < 0 ? QRect(centre.x() - 1, baseline + 2, 3, -3 * above)
                            : caption;
            const QColor face = shown.pixelColor(centre.x(), placeOf(button).top() + 4);
            return contrastRatio(boldestAgainst(shown, band, face), face);
        };
        const int mark = ringWidth(window.font());
        QVERIFY2(
            ink('A', 0) >= 3 && ink('A', 0) < ink('R', 0),
            qPrintable(QStringLiteral("used %1, to try %2").arg(ink('A', 0)).arg(ink('R', 0))));
        QVERIFY2(ink('A', -mark) >= 3 && ink('A', mark) < 1.5, "found: a bar under, no stroke");
        QVERIFY2(ink('E', mark) >= 3 && ink('E', -mark) < 1.5, "missed: a stroke, no bar");
        QVERIFY2(ink('R', mark) < 1.5 && ink('R', -mark) < 1.5, "still to try: no mark");
    }

    // A player who reads with a large desktop font finds every caption whole: the windows grow,
    // and the focus ring with them, but never past the screen. Run again at a scale factor of 3
    // on a 1920x1080 screen (test_desktop_scale3).
    void noCaptionIsCutShortAndNothingLeavesTheScreenAtALargeFont_data() {
        QTest::addColumn<int>("points");
        for (const int points : {9, 14, 18})
            QTest::addRow("%d points", points) << points;
    }
    void noCaptionIsCutShortAndNothingLeavesTheScreenAtALargeFont() {
        QFETCH(int, points);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QFont large = before;
        large.setPointSize(points);
        QApplication::setFont(large);
        run_->writeWords({"Quiz"});
        frmMain& window = run_->start();
        window.show();
        window.Command1->click();
        run_->press("Q");
        window.wordsWindow().show();
        frmSaving saving(window.lstWords(), run_->platform, &window);
        frmAbout& box = openAbout();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (const QWidget* shown :
             std::initializer_list<const QWidget*>{&window, &window.wordsWindow(), &saving, &box}) {
            QCOMPARE(clippedCaptions(*shown), QStringList());
            const QSize room = shown->screen()->availableGeometry().size() - QSize(0, 32);
            QVERIFY2(shown->frameGeometry().width() <= room.width() &&
                         shown->frameGeometry().height() <= room.height(),
                     qPrintable(shown->objectName() + u' ' + shown->metaObject()->className()));
        }
        QCOMPARE(window.Man[4]->pixmap().deviceIndependentSize().toSize(),
                 window.Man[4]->size()); // the drawing follows the layout

        // The word whole: Q's tail and the blanks' bars inside the board.
        for (LetterSlot* slot : window.lblLetter) {
            QImage drawn(slot->size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            slot->render(&drawn, {}, {}, QWidget::DrawChildren);
            int lowest = -1;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    lowest = qAlpha(drawn.pixel(x, y)) ? y : lowest;
            QVERIFY2(slot->y() + lowest < window.centralWidget()->height(),
                     qPrintable(slot->caption()));
        }

        // The ring about a sixth of the caption's height.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.Command1->setFocus(Qt::TabFocusReason);
        const QImage shown = window.Command1->grab().toImage();
        const int middle = shown.height() / 2;
        int ring = 0;
        while (shown.pixel(ring, middle) == shown.pixel(0, middle))
            ++ring;
        const double expected = window.Command1->fontMetrics().height() / 6.0;
        QVERIFY2(ring / shown.devicePixelRatio() >= std::max(2.0, expected - 1),
                 qPrintable(QString::number(ring)));
    }

    // A player on a desktop in any of the game's languages reads every text in
    // their language, each caption whole at the board's own size, each access key once.
    void eachLanguageIsCompleteFitsAndIsHeard_data() {
        QTest::addColumn<QString>("language");
        QStringList files = QDir(QStringLiteral(GIBBETRY_ASSETS "/translations"))
                                .entryList({QStringLiteral("gibbetry_*.ts")});
        files.removeOne(QStringLiteral("gibbetry_en.ts")); // the English counts alone
        for (const QString& file :
             files.isEmpty() ? QStringList{"gibbetry_(none found).ts"} : files)
            QTest::newRow(qPrintable(file)) << file.mid(9).chopped(3);
    }
    void eachLanguageIsCompleteFitsAndIsHeard() {
        QFETCH(QString, language);
        QFile ts(QStringLiteral(GIBBETRY_ASSETS "/translations/gibbetry_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray texts = ts.readAll();
        QVERIFY(!texts.contains("<translation></translation>"));
        QCOMPARE(texts.count("<translation>"), texts.count("<source>")); // none unfinished
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/gibbetry_") + language));
        QCoreApplication::installTranslator(&translator);
        const auto english = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        QFile::remove(run_->file(QStringLiteral("Settings")));
        run_->start();
        // a first start gives words of the language, none of them English, each one the board
        // can spell
        const QList<QByteArray> words = run_->readSettings().split('\n');
        QVERIFY(words.size() > 35 && words.last().isEmpty());
        for (const QByteArray& word : words.first(words.size() - 1))
            QVERIFY2(QRegularExpression("^[A-Za-z]{3,12}\r$").match(word).hasMatch() &&
                         !defaultWords().contains(word.chopped(1)),
                     word.constData());
        // the misses left counted by the language's own rule: one and two differ, and in Polish
        // two and five, while 22 agrees with 2
        const auto left = [](int n) {
            return QCoreApplication::translate("frmMain", "%n misses left.", "a sentence", n);
        };
        QVERIFY(left(1) != left(2) && left(2).contains(u'2') && !left(12).isEmpty());
        QVERIFY(language != "pl" ||
                (left(2) != left(5) && left(22) == left(2).replace(u'2', "22")));
        // the English list shipped for everyone gives way to it too; a list changed stays
        QCOMPARE(startingListFor(GameRun::linesOf(defaultWords())), run_->readSettings());
        QCOMPARE(startingListFor("Wax\r\n"), QByteArray("Wax\r\n"));
        frmMain& window = run_->start();
        window.show();
        frmWords& editor = window.wordsWindow();
        editor.show();
        frmSaving saving(*editor.lstWords, run_->platform, &editor);
        saving.show();
        frmAbout& box = openAbout();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE((clippedCaptions(window) + clippedCaptions(editor) + clippedCaptions(saving) +
                  clippedCaptions(box))
                     .join(u'|'),
                 QString());
        QStringList menuBar, repeated;
        for (const QMenu* menu : {window.mnuFile, window.mnuOptions, window.mnuav}) {
            menuBar << menu->title();
            repeated += repeatedAccessKeys(menu->actions());
        }
        for (const QWidget* each :
             std::initializer_list<const QWidget*>{&window, &editor, &saving, &box})
            repeated += repeatedAccessKeys(each->findChildren<QAbstractButton*>());
        QCOMPARE(repeated + repeatedAccessKeys(menuBar), QStringList());
        window.Command1->click();
        QVERIFY(!window.lblNotice->accessibleName().startsWith(QStringLiteral("New game")));
        editor.cmdSave->click();
        QCOMPARE(run_->desktop.texts,
                 QStringList{translator.translate("frmSaving", "Save Successful")});
    }

    // The real program, started on a German desktop (LANG=de_DE.UTF-8), speaks German, and on a
    // Portuguese one of any country, Brazil's Portuguese; its letters stay A to Z. Run in a
    // program of its own, which reads the desktop's language anew.
    void theProgramFollowsTheDesktopsLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("menus");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "&Datei&Optionen";
        QTest::newRow("Portugal's Portuguese: Brazil's") << "pt_PT.UTF-8"
                                                         << "&Arquivo&Opções";
    }
    void theProgramFollowsTheDesktopsLanguage() {
        QFETCH(QString, lang);
        QFETCH(QString, menus);
        if (qEnvironmentVariableIsSet("GIBBETRY_DESKTOP_MENUS")) {
            useDesktopLanguage();
            DesktopPlatform desktop;
            frmMain window(desktop.platform());
            QString letters;
            for (const QPushButton* letter : window.cmdLetter)
                letters += letter->text();
            QCOMPARE(window.mnuFile->title() + window.mnuOptions->title(),
                     qEnvironmentVariable("GIBBETRY_DESKTOP_MENUS"));
            QCOMPARE(letters, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
            return;
        }
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            desktop.remove(name);
        desktop.insert(QStringLiteral("LANG"), lang);
        desktop.insert(QStringLiteral("GIBBETRY_DESKTOP_MENUS"), menus);
        QProcess program;
        program.setProcessEnvironment(desktop);
        program.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag())});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardOutput().constData());
    }

    void eachWindowOfTheRealDesktopLooksAsApproved() {
        QFile::remove(run_->file("Settings")); // a first run: the board as built, every piece up
        DesktopPlatform desktop;
        frmMain window(desktop.platform());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(differingPixels(window, QStringLiteral("board")), 0);
        const QRect body(window.Man[6]->mapTo(&window, QPoint()), window.Man[6]->size());
        const QColor figure = boldestAgainst(window.grab().toImage(), body, Qt::black);
        QVERIFY2(contrastRatio(figure, Qt::black) >= 3, qPrintable(figure.name()));
        QCOMPARE(differingPixels(*window.mnuFile, QStringLiteral("file_menu")), 0);
        window.wordsWindow().cmdClose->click(); // loads the first run's words
        window.Command1->click();               // deals "Selective"
        for (char letter : {'S', 'Q', 'E'})
            window.cmdLetter[letter - 'A']->click();
        QCOMPARE(differingPixels(window, QStringLiteral("game")), 0);
        window.wordsWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.wordsWindow()));
        QCOMPARE(differingPixels(window.wordsWindow(), QStringLiteral("editor")), 0);
        window.mnuabout->trigger();
        QCOMPARE(differingPixels(*aboutBoxes().value(0), QStringLiteral("about")), 0);
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
