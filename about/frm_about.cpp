#include "about/frm_about.h"

#include "about/link_label.h"
#include "about/shell.h"
#include "main_window/picture.h"
#include "main_window/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

// Our own placeholders under a reserved domain.
const QUrl frmAbout::kWebSite(QStringLiteral("https://gibbetry.example/"));
const QUrl frmAbout::kSupportMail(QStringLiteral("mailto:support@gibbetry.example"));

namespace {

void colour(QWidget* widget, QPalette::ColorRole role, const QColor& value) {
    QPalette palette = widget->palette();
    palette.setColor(role, value);
    widget->setPalette(palette);
}

template <typename Label>
Label* label(const QString& caption, QRect place, const QColor& ink, QWidget* parent) {
    auto* text = new Label(caption, parent);
    text->setGeometry(place);
    colour(text, QPalette::WindowText, ink);
    return text;
}

QFont boldFont(const QString& family, qreal points) {
    QFont font(family);
    font.setBold(true);
    font.setPointSizeF(scaledPoints(points));
    return font;
}

QCursor pointingHand() {
    return QCursor(picture(QStringLiteral(":/assets/pointer.png")), 11, 1);
}

// The pointer over every window of the program. It has no picture of its own, so it stays the
// ordinary arrow; nothing ever takes it back.
void setApplicationPointer() {
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
    else
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

} // namespace

frmAbout::frmAbout(Shell& shell)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , shell_(shell) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Gibbetry"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    setFixedSize(px(5505), px(3780));
    // The labels' widths are cut to a small Arial: "Have questions?  Need technical support? "
    // just fits its 209 pixels at 8 points.
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(scaledPoints(8));
    setFont(small);
    colour(this, QPalette::Window, Qt::black);
    setAutoFillBackground(true);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setGeometry(twipsRect(2160, 2640, 1380, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    imgsei = new QLabel(this);
    imgsei->setGeometry(twipsRect(120, 360, 480, 480));
    imgsei->setPixmap(picture(QStringLiteral(":/assets/icon.png")));

    Label5 = label<LinkLabel>(QStringLiteral("Gibbetry"), twipsRect(840, 240, 4575, 495), Qt::white,
                              this);
    Label5->setFont(boldFont(QStringLiteral("Arial"), 18));
    Label2 =
        label<QLabel>(QStringLiteral("Gibbetry"), twipsRect(840, 960, 3495, 255), Qt::white, this);
    //: %1: the version number, "1.0".
    Label3 = label<QLabel>(tr("Version %1").arg(QStringLiteral("1.0")),
                           twipsRect(840, 1200, 1335, 255), Qt::white, this);
    Label4 = label<LinkLabel>(kWebSite.toString(), twipsRect(840, 1440, 3375, 255),
                              QColor(255, 255, 0), this);
    Label4->setToolTip(QStringLiteral("Brackwater"));
    Label4->setCursor(pointingHand());
    Label1 = label<QLabel>(tr("Have questions?  Need technical support? "),
                           twipsRect(720, 1920, 3135, 255), Qt::white, this);
    Label7 = label<LinkLabel>(tr("Contact us"), twipsRect(3840, 1920, 1215, 255), QColor(0, 0, 255),
                              this);
    Label7->setFont(boldFont(QStringLiteral("MS Sans Serif"), 9.75));
    Label7->setToolTip(tr("Email us!"));
    Label7->setCursor(pointingHand());
    for (QLabel* text : {static_cast<QLabel*>(Label5), Label2, Label3, static_cast<QLabel*>(Label4),
                         Label1, static_cast<QLabel*>(Label7)})
        text->setTextFormat(Qt::PlainText);

    Line1 = new QWidget(this);
    Line1->setGeometry(QRect(twipsPoint(-480, 2400), QSize(px(5640 + 480) + 1, 2)));
    colour(Line1, QPalette::Window, Qt::white);
    Line1->setAutoFillBackground(true);

    // A screen reader reads the box's description as it opens, as a sighted player takes it all
    // in at a glance.
    Label5->setAccessibleDescription(tr("Contact us"));
    //: The About box as a screen reader reads it on opening. %1: the game's name; %2: "Version
    //: 1.0"; %3: the web address; %4: the link "Contact us".
    setAccessibleDescription(
        tr("%1. %2. Two links: %3 and %4.")
            .arg(Label2->text(), Label3->text(), Label4->text(), Label7->text()));

    connect(Label4, &LinkLabel::clicked, this, &frmAbout::Label4_Click);
    connect(Label5, &LinkLabel::clicked, this, &frmAbout::Label5_Click);
    connect(Label7, &LinkLabel::clicked, this, &frmAbout::Label7_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    create();
    centreOnScreen();
}

void frmAbout::centreOnScreen() {
    // Centred frame and all, each time the box is made.
    const QMargins frame = windowHandle()->frameMargins();
    centredWith_ = frame;
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = size().grownBy(frame);
    const float left = (static_cast<float>(area.width()) - static_cast<float>(outer.width())) / 2;
    const float top = (static_cast<float>(area.height()) - static_cast<float>(outer.height())) / 2;
    move(area.left() + qRound(left), area.top() + qRound(top));
}

bool frmAbout::event(QEvent* event) {
    // A window manager frames the box only once it is up, by the time it is first activated at
    // the latest: once the frame is known, the box is centred on it. A box the player moves stays
    // where it was put.
    const QEvent::Type type = event->type();
    const bool placed =
        type == QEvent::Move || type == QEvent::Show || type == QEvent::WindowActivate;
    if (placed && windowHandle() && windowHandle()->frameMargins() != centredWith_)
        centreOnScreen();
    return QDialog::event(event);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::reject() {
    close();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    // Closing always goes through: the box has nothing to keep it open.
    event->accept();
}

void frmAbout::Label4_Click() {
    openLink(kWebSite);
}

void frmAbout::Label5_Click() {
    openLink(kSupportMail);
}

void frmAbout::Label7_Click() {
    openLink(kSupportMail);
}

void frmAbout::openLink(const QUrl& target) {
    setApplicationPointer();
    shell_.open(target);
}
