#include "RegisterTableModel.h"

#include "QtText.h"
#include "RegisterColumns.h"
#include "core/RegisterCells.h"
#include "core/RegisterSort.h"
#include "core/RegisterState.h"

RegisterTableModel::RegisterTableModel(const svidary::RegisterState& reg,
                                       const svidary::ReferenceData& refs, QObject* parent)
    : QAbstractTableModel(parent), reg_(reg), refs_(refs) {}

void RegisterTableModel::reset() {
    beginResetModel();
    rowOrder_ = sortedRowOrder();
    endResetModel();
}

std::uint32_t RegisterTableModel::recordAt(int row) const {
    return rowOrder_.at(static_cast<std::size_t>(row));
}

int RegisterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rowOrder_.size());
}

int RegisterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : svidary::RegisterColumnCount;
}

QVariant RegisterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    const std::uint32_t record = recordAt(index.row());
    if (record >= reg_.DocList.size()) {
        return {}; // DocList shrank and the reset is still to come
    }
    return toQt(svidary::RegisterCellText(reg_.DocList[record], index.column(), refs_));
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= svidary::RegisterColumnCount) {
        return {};
    }
    return registerColumns()[static_cast<std::size_t>(section)].caption;
}

Qt::ItemFlags RegisterTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RegisterTableModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column < svidary::RegisterColumnCount ? column : -1;
    sortOrder_ = order;
    if (rowOrder_.size() != reg_.DocList.size()) {
        // DocList changed since the last reset: a new set of rows, not a new order.
        reset();
        return;
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    // Selected and current rows follow their records to the new positions.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> recordsBefore;
    recordsBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        recordsBefore.push_back(recordAt(index.row()));
    }
    rowOrder_ = sortedRowOrder();
    std::vector<int> shownAt(rowOrder_.size());
    for (std::size_t row = 0; row < rowOrder_.size(); ++row) {
        shownAt[rowOrder_[row]] = static_cast<int>(row);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.append(
            index(shownAt[recordsBefore[static_cast<std::size_t>(i)]], before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<std::uint32_t> RegisterTableModel::sortedRowOrder() const {
    if (sortColumn_ < 0) {
        return svidary::IdentityRowOrder(reg_.DocList.size());
    }
    return svidary::SortRowsByColumn(reg_.DocList, refs_, sortColumn_,
                                     sortOrder_ == Qt::AscendingOrder
                                         ? svidary::SortDirection::Ascending
                                         : svidary::SortDirection::Descending);
}
