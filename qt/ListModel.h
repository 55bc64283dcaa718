#pragma once

#include "ui/ListView.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace qt {

// The entries of a headless list view as an item model. The view asks only for the rows it shows, so a
// folder of tens of thousands of notes costs the skin no more than a short one. The control announces
// every change before and after it makes it, so each reaches the view as a proper begin/end pair.
//
// A row's text is converted once after each change of its entry, on the first paint that needs it, not
// on every paint: a day entry may hold a megabyte. It is shown as an isolated bidirectional run, so that
// direction marks inside a name cannot reorder the marks around it; editing and screen readers get the
// text exactly as written.
class ListModel : public QAbstractListModel {
public:
    ListModel(ui::ListView& control, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void entryChanged(int position);
    const QString& shownText(int position) const;

    ui::ListView& control_;
    // Row i's text as shown, null until first asked for after the entry last changed.
    mutable QList<QString> shown_;
};

} // namespace qt
