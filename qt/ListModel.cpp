#include "qt/ListModel.h"

#include "qt/Icons.h"
#include "qt/Mirror.h"
#include "qt/RowText.h"

#include <QBrush>
#include <QColor>

namespace qt {

ListModel::ListModel(ui::ListView& control, QObject* parent)
    : QAbstractListModel(parent), control_(control), shown_(control.ListItems.Count()) {
    connectWhileAlive(control_.ItemAboutToBeInserted, this,
                      [this](int position) { beginInsertRows({}, position - 1, position - 1); });
    connectWhileAlive(
        control_.ItemInserted, this,
        [this](int position) {
            shown_.insert(position - 1, QString());
            endInsertRows();
        });
    connectWhileAlive(control_.ItemAboutToBeRemoved, this,
                      [this](int position) { beginRemoveRows({}, position - 1, position - 1); });
    connectWhileAlive(
        control_.ItemRemoved, this,
        [this](int position) {
            shown_.removeAt(position - 1);
            endRemoveRows();
        });
    connectWhileAlive(control_.ItemsAboutToBeReset, this, [this] { beginResetModel(); });
    connectWhileAlive(
        control_.ItemsReset, this,
        [this] {
            shown_ = QList<QString>(control_.ListItems.Count());
            endResetModel();
        });
    connectWhileAlive(control_.ItemChanged, this, [this](int position) { entryChanged(position); });
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : control_.ListItems.Count();
}

const QString& ListModel::shownText(int position) const {
    QString& shown = shown_[position - 1];
    if (shown.isNull())
        shown = isolatedRun(control_.ListItems(position).Text());
    return shown;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const int position = index.row() + 1;
    if (!index.isValid() || position > control_.ListItems.Count())
        return {};
    const ui::ListItem& entry = control_.ListItems(position);
    switch (role) {
    case Qt::DisplayRole:
        return shownText(position);
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return toQString(entry.Text());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return toQString(entry.ToolTipText());
    case Qt::DecorationRole:
        return imageIcon(entry.SmallIcon());
    case Qt::ForegroundRole: {
        // 0 is the colour every entry starts with; it stays the theme's text colour so that entries
        // remain readable on a dark palette.
        const uint32_t colour = entry.ForeColor();
        if (colour == 0)
            return {};
        return QBrush(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    }
    default:
        return {};
    }
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
}

void ListModel::entryChanged(int position) {
    shown_[position - 1] = QString();
    const QModelIndex changed = index(position - 1);
    emit dataChanged(changed, changed);
}

} // namespace qt
