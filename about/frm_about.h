#pragma once

#include <QDialog>
#include <QMargins>
#include <QUrl>

class QLabel;
class QPushButton;
class LinkLabel;
class Shell;

// Names the game and its version and offers the two ways to reach us. Modeless and without an
// owner: the game stays playable while it is open. Closing it in any way destroys it.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Shell& shell);

    static const QUrl kWebSite;
    static const QUrl kSupportMail;

    QPushButton* cmdOK = nullptr;
    QLabel* imgsei = nullptr;
    LinkLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* Label7 = nullptr;
    QWidget* Line1 = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void Label4_Click();
    void Label5_Click();
    void Label7_Click();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void centreOnScreen();
    void openLink(const QUrl& target);

    Shell& shell_;
    // The frame the box was last centred with.
    QMargins centredWith_{-1, -1, -1, -1};
};
