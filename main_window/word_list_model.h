#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

// Where one row's word lies in the bytes that hold a whole list.
struct WordSpan {
    qsizetype start;
    qsizetype length;
};

// A whole word list at once: the file's bytes as they were read, and where each row's word lies
// in them.
struct WordList {
    QByteArray bytes;
    QList<WordSpan> rows;
};

// The rows behind lstWords, in the order they were appended; read-only to the view. A long list
// costs its file's bytes and a span a row: a word and its Length are made when asked for.
class WordListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString text(int position) const;
    qsizetype length(int position) const { return rows_.at(position).length; }
    void append(const QString& word);
    void append(WordList list);
    void remove(int position);

private:
    QByteArray bytes_; // in the file's code page
    QList<WordSpan> rows_;
};
