#pragma once

#include <QStyledItemDelegate>

namespace qt {

// Paints the rows of the lists. A row shows one line of its text, elided by the style to the row's
// width; a text of a megabyte would still be laid out whole on every paint, so only its beginning,
// more than any row is wide, goes to the style. The model keeps the text whole.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace qt
