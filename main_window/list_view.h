#pragma once

#include "main_window/word_list_model.h"

#include <QTreeView>

// The word list in report layout: "Word" and "Length". Rows are addressed from 1 in the order
// they were appended; callers stay within 1..count().
class ListView final : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    int count() const;
    QString text(int index) const;
    QString subItem1(int index) const;

    int append(const QString& text);
    // Appends many rows at once; the start-up load fills the list this way.
    void appendRows(QList<WordRow> rows);
    void setSubItem1(int index, const QString& value);
    void remove(int index);

    // 0 when no row is selected.
    int selectedIndex() const;

    int widthTwips() const;
    void setColumnWidthTwips(int column, float twips);

private:
    WordListModel model_;
};
