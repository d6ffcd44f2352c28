#pragma once

#include "Progress.h"
#include "ReferenceData.h"
#include "RegisterRedraw.h"
#include "RegisterState.h"

#include <filesystem>

// Creating, opening and closing the register: the parts of the file commands that need no
// window. Each either succeeds whole or leaves no register open.
namespace svidary {

// Creates the file empty (0 bytes) and opens it as an empty register. The caller has made sure
// that no file of that name exists. Throws IoError when the file cannot be created; the state
// is then "no register".
void NewRegister(RegisterState& state, const std::filesystem::path& file);

// Opens the register file: a ".diplom" file (letter case ignored) is read with LoadDiplomFile,
// any other file opens as an empty register under its name; then the table is redrawn (school
// codes corrected, keys built). The duplicate report is not written here: the caller hands the
// result's lines to WriteDuplicateReport. Progress: reading 0..28, then the redraw 0..28.
// On any failure the state is "no register" and the error propagates.
RedrawResult OpenRegister(RegisterState& state, const ReferenceData& refs,
                          const std::filesystem::path& file, const ProgressCallback& progress = {});

// Releases the register: the state is "no register".
void CloseRegister(RegisterState& state);

} // namespace svidary
