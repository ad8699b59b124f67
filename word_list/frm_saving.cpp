#include "word_list/frm_saving.h"

#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"
#include "main_window/twips.h"
#include "word_list/file_replace.h"
#include "word_list/list_place.h"
#include "word_list/settings_file.h"

#include <QLabel>
#include <QProgressBar>
#include <limits>

namespace {
constexpr int kProgressStep = 1024;
}

frmSaving::frmSaving(const ListView& words, Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , words_(words)
    , platform_(platform) {
    fitCaptionsToLayout(*this);
    setFixedSize(px(4680), px(825));
    Label1 = new QLabel(tr("Saving Words List ..."), this);
    Label1->setGeometry(twipsRect(113, 105, 1695, 255));
    p1 = new QProgressBar(this);
    p1->setGeometry(twipsRect(113, 465, 4455, 255));
    p1->setRange(0, 100);
}

void frmSaving::Form_Load() {
    SaveValues();
}

void frmSaving::SaveValues() {
    for (;;) {
        if (writeWords()) {
            platform_.messageBox.show(tr("Save Successful"), kStyleExclamation,
                                      QStringLiteral("Gibbetry"));
            break;
        }
        const int answer = platform_.messageBox.show(
            tr("Save Unsuccessful"), kStyleExclamationRetryCancel, QStringLiteral("Gibbetry"));
        if (answer != kAnswerRetry)
            break;
    }
    deleteLater();
}

bool frmSaving::writeWords() {
    p1->setMaximum(words_.count());
    p1->setMinimum(0);
    p1->setValue(0);

    // A list with no words would leave nothing to deal: it never takes the file's place.
    if (words_.count() == 0)
        return logged("Save Unsuccessful", {"the list has no words, and would leave none to deal"});

    QByteArray lines;
    qint16 row = 1;
    int written = 0;
    while (row != words_.count() + 1) {
        const std::optional<QByteArray> line = fileLine(words_.text(row));
        if (!line)
            return logged("Save Unsuccessful", {"a word the file's code page cannot hold"});
        lines += *line;
        if (row == std::numeric_limits<qint16>::max()) // the row counter cannot go past 32767
            return logged("Save Unsuccessful", {"the list has more than 32,766 words"});
        ++row;
        // The bar is never seen, and moving it once a row cost more than the writing itself.
        if (++written % kProgressStep == 0)
            p1->setValue(written);
    }
    p1->setValue(written);
    return rewriteFile(listToWrite(), lines);
}
