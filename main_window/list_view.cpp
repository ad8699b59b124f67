#include "main_window/list_view.h"

#include "main_window/twips.h"

#include <QHeaderView>

namespace {
constexpr float kDefaultColumnTwips = 720;
constexpr int kNarrowestColumn = 8; // pixels
} // namespace

ListView::ListView(QWidget* parent)
    : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false); // Length keeps the width it is given
    // Left to itself, the header works its smallest column out from the widest glyph of its
    // font, which takes longer than everything else the game does at start-up, and overrides
    // narrow widths set on purpose.
    header()->setMinimumSectionSize(kNarrowestColumn);
    setColumnWidthTwips(1, kDefaultColumnTwips);
    setColumnWidthTwips(2, kDefaultColumnTwips);
}

int ListView::count() const {
    return model_.rowCount();
}

QString ListView::text(int index) const {
    Q_ASSERT(index >= 1 && index <= count());
    return model_.text(index - 1);
}

QString ListView::subItem1(int index) const {
    Q_ASSERT(index >= 1 && index <= count());
    return QString::number(model_.length(index - 1));
}

int ListView::append(const QString& text) {
    model_.append(text);
    return count();
}

void ListView::appendRows(WordList list) {
    model_.append(std::move(list));
}

void ListView::remove(int index) {
    Q_ASSERT(index >= 1 && index <= count());
    model_.remove(index - 1);
    // The view would select the next row: a word the player never chose.
    clearSelection();
}

int ListView::selectedIndex() const {
    if (!selectionModel())
        return 0; // never shown: nobody has selected anything
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

int ListView::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

QStringList ListView::texts() const {
    QStringList all;
    all.reserve(count());
    for (int row = 1; row <= count(); ++row)
        all.append(text(row));
    return all;
}

void ListView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    // Once the focus has been told to a screen reader, which comes after this.
    QMetaObject::invokeMethod(this, &ListView::entered, Qt::QueuedConnection);
}

int ListView::widthTwips() const {
    return static_cast<int>(std::lround(width() * twipsPerPixel()));
}

void ListView::setColumnWidthTwips(int column, float twips) {
    columnTwips_[column - 1] = twips;
    if (model())
        header()->resizeSection(column - 1, px(twips));
}

void ListView::showEvent(QShowEvent* event) {
    // The view meets its rows only when it is first shown: until then, a long list costs it
    // nothing, and the game's start-up does not wait for it.
    if (!model()) {
        setModel(&model_);
        for (int column = 1; column <= 2; ++column)
            setColumnWidthTwips(column, columnTwips_[column - 1]);
    }
    QTreeView::showEvent(event);
}
