#pragma once

#include <QDialog>

class QPushButton;
class ListView;
class frmMain;
struct Platform;

// The word list editor. Its list is the game's only copy of the words.
class frmWords final : public QDialog {
    Q_OBJECT
public:
    frmWords(frmMain& owner, Platform& platform);

    ListView* lstWords = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    frmMain& owner_;
    Platform& platform_;
};
