#pragma once

#include "ui/ListView.h"

#include <QAbstractListModel>

namespace skin {

// The entries of a headless list view as an item model. The view asks only for the rows it shows, so a
// folder of tens of thousands of notes costs the skin no more than a short one. The control changes
// first and tells afterwards; the model keeps its own row count so that every change still reaches the
// view as a proper begin/end pair.
class ListModel : public QAbstractListModel {
public:
    ListModel(ui::ListView& control, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void entryInserted(int position);
    void entryRemoved(int position);
    void entryChanged(int position);
    void entriesReset();

private:
    ui::ListView& control_;
    int rows_ = 0;
};

} // namespace skin
