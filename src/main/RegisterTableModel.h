#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace svidary {
class ReferenceData;
struct RegisterState;
} // namespace svidary

// (moc cannot read the C++20 headers that the core's headers pull in, so this header names the
// core's types without including them.)

// The register table: one row per line of DocList, shown in the order of the current sort. The
// model keeps no copy of the cells: each is computed from its record line when the view asks,
// with the reference tables turning codes into names.
class RegisterTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    RegisterTableModel(const svidary::RegisterState& reg, const svidary::ReferenceData& refs,
                       QObject* parent = nullptr);

    // Shows DocList anew after it changed, in the current sort. An empty or released DocList
    // leaves the table without rows.
    void reset();

    // The position in DocList of the record shown in that row.
    std::uint32_t recordAt(int row) const;
    // The positions in DocList of all rows, in the order shown.
    const std::vector<std::uint32_t>& rowOrder() const { return rowOrder_; }

    // Changes of one record, shown without a full reset. The current sort stays in force: a new
    // or changed row takes its sorted place (after the rows with equal texts, which keep their
    // DocList order); with the table in DocList order a new row comes last.
    //
    // The last line of DocList was just appended: its row is added. Gives the new row.
    int addLastRecordRow();
    // The record shown in that row was changed in place: the row is shown anew at its sorted
    // place. Gives the row it stands in now.
    int recordRowChanged(int row);
    // The record shown in that row was just erased from DocList: the row goes, and the rows of
    // the later records keep showing them.
    void removeRecordRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Sorts by one column in the program's text order; rows with equal texts keep their DocList
    // order. The sort stays in force for later resets; a negative column shows DocList order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::vector<std::uint32_t> sortedRowOrder() const;
    // Where a record's row belongs among the rows shown, which must not hold it.
    int sortedPlaceOf(std::uint32_t record) const;

    const svidary::RegisterState& reg_;
    const svidary::ReferenceData& refs_;
    // rowOrder_[shown row] = position in DocList.
    std::vector<std::uint32_t> rowOrder_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
