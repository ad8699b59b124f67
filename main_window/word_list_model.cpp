#include "main_window/word_list_model.h"

#include "main_window/accessibility.h"
#include "word_list/ansi_text.h"

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (index.column() == 0)
        return text(index.row());
    // A screen reader says "8 letters", not a bare "8".
    const int letters = int(length(index.row()));
    if (role == Qt::DisplayRole)
        return QString::number(letters);
    //: A row's length, read by a screen reader. %n: its letters.
    return tr("%n letters", "a word's length", letters);
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    //: The editor's column headers: the word, and its length in characters.
    return section == 0 ? tr("Word", "column header") : tr("Length", "column header");
}

QString WordListModel::text(int position) const {
    const WordSpan& row = rows_.at(position);
    return decodeAnsi(QByteArrayView(bytes_).sliced(row.start, row.length));
}

void WordListModel::append(const QString& word) {
    // The editor takes only words the code page carries, and a byte is a character there.
    const QByteArray bytes = encodeAnsi(word).value_or(word.toLatin1());
    append(WordList{bytes, {WordSpan{0, bytes.size()}}});
}

void WordListModel::append(WordList list) {
    if (list.rows.isEmpty())
        return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(list.rows.size()) - 1);
    if (rows_.isEmpty()) {
        bytes_ = std::move(list.bytes);
        rows_ = std::move(list.rows);
    } else {
        const qsizetype offset = bytes_.size();
        bytes_ += list.bytes;
        for (WordSpan& row : list.rows)
            rows_.append({row.start + offset, row.length});
    }
    endInsertRows();
}

void WordListModel::remove(int position) {
    beginRemoveRows({}, position, position);
    rows_.removeAt(position); // its word stays in the bytes, where nothing points to it
    endRemoveRows();
}
