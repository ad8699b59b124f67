#include "word_list/frm_words.h"

#include "main_window/accessibility.h"
#include "main_window/frm_main.h"
#include "main_window/input_box.h"
#include "main_window/list_view.h"
#include "main_window/message_box.h"
#include "main_window/platform.h"
#include "main_window/twips.h"
#include "word_list/frm_saving.h"
#include "word_list/settings_file.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int kFewestWords = 5;

QPushButton* button(const QString& caption, QRect place, QWidget* parent) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setGeometry(place);
    pushButton->setAutoDefault(false); // else the first to have the focus would take Enter for good
    pushButton->installEventFilter(parent);
    return pushButton;
}

} // namespace

frmWords::frmWords(frmMain& owner, Platform& platform)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , owner_(owner)
    , platform_(platform) {
    fitCaptionsToLayout(*this);
    setWindowTitle(tr("Edit Words List"));
    setFixedSize(px(9375), px(6120));

    lstWords = new ListView(this);
    lstWords->setGeometry(twipsRect(120, 113, 9135, 5415));
    //: A screen reader's name for the editor's list of words.
    lstWords->setAccessibleName(tr("Words", "the list"));
    cmdAdd = button(tr("Add"), twipsRect(2160, 5633, 1095, 375), this);
    cmdRemove = button(tr("Remove"), twipsRect(3480, 5633, 1095, 375), this);
    cmdSave = button(tr("Save"), twipsRect(4800, 5633, 1095, 375), this);
    cmdClose = button(tr("Close"), twipsRect(6120, 5633, 1095, 375), this);
    lblNotice = makeNotice(this);

    setTabOrder(lstWords, cmdAdd);
    setTabOrder(cmdAdd, cmdRemove);
    setTabOrder(cmdRemove, cmdClose);
    setTabOrder(cmdClose, cmdSave);

    connect(cmdAdd, &QPushButton::clicked, this, &frmWords::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmWords::cmdRemove_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmWords::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWords::cmdClose_Click);
    connect(lstWords, &ListView::entered, this, &frmWords::sayCurrentRow);
}

void frmWords::cmdAdd_Click() {
    const QPoint topLeft = frameGeometry().topLeft() * twipsPerPixel();
    const QString word =
        platform_.inputBox.ask(tr("Enter New Word"), tr("Add Word"), QString(), topLeft);
    if (word.isEmpty())
        return;
    if (const QString why = refusal(word); !why.isEmpty()) {
        platform_.messageBox.show(tr("Can't Add Word"), kStyleExclamation,
                                  QStringLiteral("Gibbetry"), why);
        return;
    }
    const int words = lstWords->append(word); // its Length is its character count
    //: Spoken after Add. %1: the word added; %n: the words now in the list.
    announce(lblNotice, tr("Added %1. %n words.", "", words).arg(word));
}

// Why a word cannot go in the list, or nothing when it can. A word must also come back from the
// file as it went in: one line, in the file's code page.
QString frmWords::refusal(const QString& word) const {
    if (word.size() > frmMain::kLongestWord)
        //: Why a word cannot be added, read with the box "Can't Add Word". %n: the characters
        //: typed (13 or more); %1: the most a word may have, 12.
        return tr("%n characters: a word has %1 at most.", "", int(word.size()))
            .arg(frmMain::kLongestWord);
    if (word.contains(u'\r') || word.contains(u'\n'))
        //: Why a word cannot be added, read with the box "Can't Add Word".
        return tr("A word is one line.");
    for (qsizetype at = 0; at < word.size(); ++at) {
        const QString character = word.mid(at, word.at(at).isHighSurrogate() ? 2 : 1);
        if (!fileLine(character))
            //: Why a word cannot be added, read with the box "Can't Add Word". %1: the character
            //: the file's code page lacks.
            return tr("The word list file cannot hold %1.").arg(character);
    }
    return {};
}

void frmWords::sayCurrentRow() {
    const int row = lstWords->currentRow();
    if (row == 0) {
        //: Spoken when the editor's list is empty.
        announce(lblNotice, tr("No words."));
        return;
    }
    const QString word = lstWords->text(row);
    //: The row the editor's list stands on. %1: the word; %n: its letters; %2: the row's number;
    //: %3: the rows.
    announce(lblNotice, tr("%1, %n letters, %2 of %3.", "", int(word.size()))
                            .arg(word)
                            .arg(row)
                            .arg(lstWords->count()));
}

void frmWords::cmdRemove_Click() {
    if (lstWords->count() <= kFewestWords) {
        platform_.messageBox.show(tr("Can't Remove Word"), kStyleExclamation,
                                  QStringLiteral("Gibbetry"),
                                  //: Why Remove refused, read with the box "Can't Remove Word". %n:
                                  //: the fewest words a list may have, 5.
                                  tr("A list keeps at least %n words.", "", kFewestWords));
        return;
    }
    const int selected = lstWords->selectedIndex();
    if (selected == 0) {
        //: Spoken when Remove has no row chosen; "Remove" is the button's caption.
        announce(lblNotice, tr("No word chosen: select one, then Remove."));
        return;
    }
    const QString word = lstWords->text(selected);
    lstWords->remove(selected);
    // The list reports the row it moved to as focused; tell a screen reader where the focus is.
    if (QWidget* focused = focusWidget(); focused && focused != lstWords) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    announce(lblNotice,
             //: Spoken after Remove. %1: the word removed; %n: the words left in the list.
             tr("Removed %1. %n words left.", "", lstWords->count()).arg(word));
}

void frmWords::cmdSave_Click() {
    // The saving window does all of its work while it is being created and is gone before it
    // could ever be shown.
    auto* saving = new frmSaving(*lstWords, platform_, this);
    saving->Form_Load();
}

void frmWords::cmdClose_Click() {
    // Unsaved edits go with this window; the list comes back from the file, and a game in
    // progress ends. A player who cannot see the list is told when the file's differed.
    const QStringList shown = lstWords->texts();
    owner_.discardWordsWindow();
    owner_.Form_Load();
    owner_.editorClosed(shown != owner_.lstWords().texts());
}

void frmWords::reject() {
    // Esc: the editor has no Cancel, and closing would throw every unsaved word away.
}

bool frmWords::eventFilter(QObject* watched, QEvent* event) {
    // Enter presses the button that has the focus, as Space does; nothing else takes it.
    auto* pushButton = qobject_cast<QPushButton*>(watched);
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (pushButton && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        pushButton->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmWords::closeEvent(QCloseEvent* event) {
    event->accept();
    cmdClose_Click();
}
