#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class ListView;
class frmMain;
struct Platform;

// The word list editor. Its list is the game's only copy of the words. Closed by its Close
// button or the title bar, it goes and the list is read again from the file.
class frmWords final : public QDialog {
    Q_OBJECT
public:
    frmWords(frmMain& owner, Platform& platform);

    ListView* lstWords = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    // Never shown: what a screen reader says after Add and Remove.
    QLabel* lblNotice = nullptr;

    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString refusal(const QString& word) const;
    // Entering the list, a screen reader hears the row it stands on, not only the list's name.
    void sayCurrentRow();

    frmMain& owner_;
    Platform& platform_;
};
