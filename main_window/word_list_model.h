#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// One row of the word list: the word exactly as read or typed, and its length as it was
// written down when the row was added.
struct WordRow {
    QString text;
    QString length;
};

// The rows behind lstWords, in the order they were appended. Read-only to the view.
class WordListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const WordRow& row(int position) const { return rows_.at(position); }
    void append(QList<WordRow> rows);
    void setLength(int position, const QString& length);
    void remove(int position);

private:
    QList<WordRow> rows_;
};
