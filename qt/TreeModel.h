#pragma once

#include "ui/TreeView.h"

#include <QAbstractItemModel>

namespace qt {

// The nodes of a headless tree view as an item model: each index points at its node, and the view asks
// only for the rows it shows. The control announces every change before and after it makes it, so each
// change reaches the view as a proper begin/end pair.
class TreeModel : public QAbstractItemModel {
public:
    TreeModel(ui::TreeView& control, QObject* parent);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QModelIndex indexOf(const ui::TreeNode* node) const;
    static ui::TreeNode* nodeOf(const QModelIndex& index);

    void nodeChanged(const ui::TreeNode* node);

private:
    const std::vector<ui::TreeNode*>& childrenOf(const QModelIndex& parent) const;

    void mirrorDropHighlight();

    ui::TreeView& control_;
    const ui::TreeNode* dropTarget_ = nullptr;
    // While a subtree is being removed its nodes are going away; changes to them are not reported.
    bool removing_ = false;
};

} // namespace qt
