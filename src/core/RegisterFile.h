#pragma once

#include "Progress.h"
#include "RegisterState.h"

#include <string>

// The ".diplom" register file: a header line, then one record per line.
namespace svidary {

// The first line of every register file, "<Список выданных документов>" (Windows-1251 bytes).
const std::string& RegisterFileHeader();

// Appends every line of the file CurrentFileName that is not empty and does not begin with "<"
// to DocList, unchanged. Reports progress by the share of bytes read. Throws IoError when the
// file cannot be read.
void LoadDiplomFile(RegisterState& state, const ProgressCallback& progress = {});

} // namespace svidary
