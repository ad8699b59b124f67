#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class ListView;
struct Platform;

// Writes the word list to Settings and says how that went. Never shown: the whole save runs
// while it is being created, and it goes again at the end.
class frmSaving final : public QDialog {
    Q_OBJECT
public:
    frmSaving(const ListView& words, Platform& platform, QWidget* owner);

    QLabel* Label1 = nullptr;
    QProgressBar* p1 = nullptr;

    void Form_Load();
    void SaveValues();

private:
    bool writeWords();

    const ListView& words_;
    Platform& platform_;
};
