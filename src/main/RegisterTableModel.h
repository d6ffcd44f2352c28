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

    const svidary::RegisterState& reg_;
    const svidary::ReferenceData& refs_;
    // rowOrder_[shown row] = position in DocList.
    std::vector<std::uint32_t> rowOrder_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
