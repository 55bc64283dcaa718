#pragma once

#include "ui/ListView.h"

#include <QAbstractListModel>

namespace skin {

// The entries of a headless list view as an item model. The view asks only for the rows it shows, so a
// folder of tens of thousands of notes costs the skin no more than a short one. The control announces
// every change before and after it makes it, so each reaches the view as a proper begin/end pair.
class ListModel : public QAbstractListModel {
public:
    ListModel(ui::ListView& control, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void entryChanged(int position);

    ui::ListView& control_;
};

} // namespace skin
