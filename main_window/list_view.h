#pragma once

#include "main_window/word_list_model.h"

#include <QTreeView>
#include <array>

// The word list in report layout: "Word" and "Length". Rows are addressed from 1 in the order
// they were appended; callers stay within 1..count().
class ListView final : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    int count() const;
    QString text(int index) const;
    QString subItem1(int index) const;

    // Appends a row; its Length is the word's character count.
    int append(const QString& text);
    // Appends a whole list at once; the start-up load fills the list this way.
    void appendRows(WordList list);
    void remove(int index);

    // 0 when no row is selected.
    int selectedIndex() const;
    // 0 when the view has no current row.
    int currentRow() const;
    // Every row's text, in order.
    QStringList texts() const;

    int widthTwips() const;
    void setColumnWidthTwips(int column, float twips);

signals:
    // The view took the focus and has made a row current, as it does on a key's focus. It comes
    // from the event loop, after the focus's own news.
    void entered();

protected:
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    WordListModel model_;
    std::array<float, 2> columnTwips_{}; // its index checked: a trailing C array is not
};
