#pragma once

#include "core/RegisterCells.h"

#include <QString>

#include <array>

// The sixteen columns of the register table, in the order of the record's fields. Qt columns are
// not objects, so each column's name lives here and maps to its index and back.
struct RegisterColumnInfo {
    QString objectName; // e.g. "RegNo_TLColumn"
    QString caption;    // header text
    int width;          // pixels
};

const std::array<RegisterColumnInfo, svidary::RegisterColumnCount>& registerColumns();

// The patronymic column, by which the table is sorted when it is created.
inline constexpr int InitialSortColumn = svidary::OColumn;
static_assert(svidary::RegisterColumnCount == 16);

// The column index of an objectName such as "SchoolName_TLColumn", or -1.
int registerColumnIndex(const QString& objectName);

// The objectName of a column index, or an empty text outside 0..15.
QString registerColumnName(int column);
