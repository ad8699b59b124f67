#include "main_window/word_list_model.h"

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const WordRow& word = rows_.at(index.row());
    return index.column() == 0 ? word.text : word.length;
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Word") : QStringLiteral("Length");
}

void WordListModel::append(QList<WordRow> rows) {
    if (rows.isEmpty())
        return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    if (rows_.isEmpty())
        rows_ = std::move(rows);
    else
        rows_.append(std::move(rows));
    endInsertRows();
}

void WordListModel::setLength(int position, const QString& length) {
    rows_[position].length = length;
    const QModelIndex cell = index(position, 1);
    emit dataChanged(cell, cell);
}

void WordListModel::remove(int position) {
    beginRemoveRows({}, position, position);
    rows_.removeAt(position);
    endRemoveRows();
}
