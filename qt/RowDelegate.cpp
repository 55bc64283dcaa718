#include "qt/RowDelegate.h"

namespace qt {

namespace {

// More characters than the widest screen shows in a row, even of the narrowest letters.
constexpr qsizetype ShownCharacters = 2048;

constexpr QChar FirstStrongIsolate(0x2068);
constexpr QChar PopDirectionalIsolate(0x2069);

} // namespace

void RowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    QString& text = option->text;
    if (text.size() <= ShownCharacters)
        return;
    qsizetype kept = ShownCharacters;
    if (text.at(kept - 1).isHighSurrogate())
        --kept;
    const bool isolated = text.front() == FirstStrongIsolate;
    text.truncate(kept);
    // The ellipsis the style adds stays outside the name's isolated run.
    if (isolated)
        text.append(PopDirectionalIsolate);
}

} // namespace qt
