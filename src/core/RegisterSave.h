#pragma once

#include "DuplicateReport.h"
#include "Progress.h"
#include "ReferenceData.h"
#include "RegisterRedraw.h"
#include "RegisterState.h"

#include <filesystem>
#include <functional>
#include <optional>

// Save with its error check. The register is cleaned, redrawn and written under a temporary
// name first; only when all of that succeeded is the former file kept as a backup and the new
// one renamed over it. A failed save leaves the files on disk as they were and the register in
// memory whole, and its message says that the file was not saved.
namespace svidary {

enum class SaveStage {
    ErrorCheck, // "Поиск и исправление ошибок..."
    Redraw,     // "Перерисовка..."
    Writing     // "Выполняется сохранение файла"
};

struct SaveObserver {
    // Called when a stage begins; the progress restarts at 0 with every stage.
    std::function<void(SaveStage)> stageStarted;
    ProgressCallback progress;
};

struct SaveResult {
    // The file written: CurrentFileName, or folder/BaseName.diplom for a ".Kalv" or ".xml" one.
    std::filesystem::path savedFile;
    // The backup made by this save (the former file as NAME.temp), if one was made.
    std::optional<std::filesystem::path> backupFile;
    RedrawResult redraw;
    ReportOutcome report = ReportOutcome::Untouched;
    std::filesystem::path reportFile;
};

// The file a register is saved to: ".Kalv" and ".xml" registers (letter case ignored) become
// folder/BaseName.diplom; every other file is saved under its own name.
std::filesystem::path SaveTarget(const std::filesystem::path& currentFile);

// Saves the open register. The former file is kept as CurrentFileName + ".temp" unless such a
// file exists already or the register came from an ".xml" file. The duplicate report goes to
// reportFolder (see DuplicateReportUpdate). On success DocList holds the cleaned and corrected
// records, DocKeys the sorted long keys, CurrentFileName the saved file, DocModified is false.
SaveResult SaveRegister(RegisterState& state, const ReferenceData& refs,
                        const std::filesystem::path& reportFolder,
                        const SaveObserver& observer = {});

} // namespace svidary
