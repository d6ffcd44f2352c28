#include "RegisterTableModel.h"

#include "QtText.h"
#include "RegisterColumns.h"
#include "core/RegisterCells.h"
#include "core/RegisterSort.h"
#include "core/RegisterState.h"
#include "core/TextOrder.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <future>

namespace {

// From this many rows on, a sort runs beside the window's thread so that the window keeps
// painting; smaller registers sort faster than a thread starts.
constexpr std::size_t RowsSortedAside = 20000;

} // namespace

RegisterTableModel::RegisterTableModel(const svidary::RegisterState& reg,
                                       const svidary::ReferenceData& refs, QObject* parent)
    : QAbstractTableModel(parent), reg_(reg), refs_(refs) {}

void RegisterTableModel::reset() {
    std::vector<std::uint32_t> rowOrder = sortedRowOrder();
    beginResetModel();
    rowOrder_ = std::move(rowOrder);
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
    if (orientation != Qt::Horizontal || section < 0 || section >= svidary::RegisterColumnCount) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return registerColumns()[static_cast<std::size_t>(section)].caption;
    case Qt::InitialSortOrderRole:
        // The first click on a header sorts ascending, whatever the order of the column before.
        return QVariant::fromValue(static_cast<int>(Qt::AscendingOrder));
    default:
        return {};
    }
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

    std::vector<std::uint32_t> rowOrder = sortedRowOrder();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    // Selected and current rows follow their records to the new positions.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> recordsBefore;
    recordsBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        recordsBefore.push_back(recordAt(index.row()));
    }
    rowOrder_ = std::move(rowOrder);
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
    const svidary::SortDirection direction = sortOrder_ == Qt::AscendingOrder
                                                 ? svidary::SortDirection::Ascending
                                                 : svidary::SortDirection::Descending;
    const auto sortRows = [this, direction] {
        return svidary::SortRowsByColumn(reg_.DocList, refs_, sortColumn_, direction);
    };
    if (reg_.DocList.size() < RowsSortedAside) {
        return sortRows();
    }
    // Sorting a large register takes a noticeable moment: it runs beside the window's thread,
    // which keeps painting the rows it shows now. User input waits until the new order is in
    // place, so nothing can change the register while the sort reads it.
    std::future<std::vector<std::uint32_t>> sorted = std::async(std::launch::async, sortRows);
    while (sorted.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return sorted.get();
}

int RegisterTableModel::addLastRecordRow() {
    const auto record = static_cast<std::uint32_t>(reg_.DocList.size() - 1);
    const int row = sortedPlaceOf(record);
    beginInsertRows({}, row, row);
    rowOrder_.insert(rowOrder_.begin() + row, record);
    endInsertRows();
    return row;
}

int RegisterTableModel::recordRowChanged(int row) {
    const std::uint32_t record = recordAt(row);
    rowOrder_.erase(rowOrder_.begin() + row);
    const int place = sortedPlaceOf(record);
    // Back where it was while the views are told of the move.
    rowOrder_.insert(rowOrder_.begin() + row, record);
    // Qt counts the destination among the rows before the move; a row that stays is no move.
    const int destination = place >= row ? place + 1 : place;
    if (beginMoveRows({}, row, row, {}, destination)) {
        rowOrder_.erase(rowOrder_.begin() + row);
        rowOrder_.insert(rowOrder_.begin() + place, record);
        endMoveRows();
    }
    emit dataChanged(index(place, 0), index(place, svidary::RegisterColumnCount - 1));
    return place;
}

void RegisterTableModel::removeRecordRow(int row) {
    const std::uint32_t record = recordAt(row);
    beginRemoveRows({}, row, row);
    rowOrder_.erase(rowOrder_.begin() + row);
    for (std::uint32_t& shown : rowOrder_) {
        if (shown > record) {
            --shown;
        }
    }
    endRemoveRows();
}

int RegisterTableModel::sortedPlaceOf(std::uint32_t record) const {
    if (sortColumn_ < 0) {
        const auto place = std::lower_bound(rowOrder_.begin(), rowOrder_.end(), record);
        return static_cast<int>(place - rowOrder_.begin());
    }
    const std::string_view text =
        svidary::RegisterCellText(reg_.DocList[record], sortColumn_, refs_);
    const bool ascending = sortOrder_ == Qt::AscendingOrder;
    // The order of the column sort: by text, equal texts in DocList order.
    const auto shownBefore = [&](std::uint32_t shown, std::uint32_t) {
        const int order = svidary::compareText(
            svidary::RegisterCellText(reg_.DocList[shown], sortColumn_, refs_), text);
        if (order != 0) {
            return ascending ? order < 0 : order > 0;
        }
        return shown < record;
    };
    const auto place = std::lower_bound(rowOrder_.begin(), rowOrder_.end(), record, shownBefore);
    return static_cast<int>(place - rowOrder_.begin());
}
