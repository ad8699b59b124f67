#include "word_list/frm_words.h"

#include "main_window/frm_main.h"
#include "main_window/list_view.h"
#include "main_window/twips.h"

#include <QPushButton>

namespace {
QPushButton* button(const QString& caption, QRect place, QWidget* parent) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setGeometry(place);
    pushButton->setAutoDefault(false);
    return pushButton;
}
} // namespace

frmWords::frmWords(frmMain& owner, Platform& platform)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , owner_(owner)
    , platform_(platform) {
    setWindowTitle(QStringLiteral("Edit Words List"));
    setFixedSize(px(9375), px(6120));

    lstWords = new ListView(this);
    lstWords->setGeometry(twipsRect(120, 113, 9135, 5415));
    cmdAdd = button(QStringLiteral("Add"), twipsRect(2160, 5633, 1095, 375), this);
    cmdRemove = button(QStringLiteral("Remove"), twipsRect(3480, 5633, 1095, 375), this);
    cmdSave = button(QStringLiteral("Save"), twipsRect(4800, 5633, 1095, 375), this);
    cmdClose = button(QStringLiteral("Close"), twipsRect(6120, 5633, 1095, 375), this);

    setTabOrder(lstWords, cmdAdd);
    setTabOrder(cmdAdd, cmdRemove);
    setTabOrder(cmdRemove, cmdClose);
    setTabOrder(cmdClose, cmdSave);
}
