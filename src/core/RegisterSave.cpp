#include "RegisterSave.h"

#include "ErrorCheck.h"
#include "Errors.h"
#include "Record.h"
#include "RegisterFile.h"
#include "StagedFile.h"
#include "TextFile.h"

#include <system_error>
#include <utility>

namespace svidary {

namespace {

std::filesystem::path backupPathOf(const std::filesystem::path& file) {
    std::filesystem::path backup = file;
    backup += ".temp";
    return backup;
}

// The former file kept as NAME.temp. A save over the same name keeps it as a second link to the
// same contents (or a copy), so the file itself never goes missing; a save under a new name
// (".Kalv" to ".diplom") moves it aside. An existing backup is never touched.
class Backup {
public:
    Backup(std::filesystem::path source, std::filesystem::path target)
        : source_(std::move(source)), target_(std::move(target)), backup_(backupPathOf(source_)) {}

    bool wanted() const {
        std::error_code ignored;
        return !HasFileExtension(pathToUtf8(source_), ".xml") &&
               std::filesystem::is_regular_file(source_, ignored) &&
               !std::filesystem::exists(std::filesystem::symlink_status(backup_, ignored));
    }

    // Before the new file takes the target's place.
    void make() {
        if (!wanted()) {
            return;
        }
        std::error_code error;
        if (source_ != target_) {
            std::filesystem::rename(source_, backup_, error);
            moved_ = !error;
            return;
        }
        std::filesystem::create_hard_link(source_, backup_, error);
        if (error) {
            error.clear();
            std::filesystem::copy_file(source_, backup_, error);
        }
        if (error) {
            throw IoError("Не удалось сохранить прежний файл как \"" + pathToUtf8(backup_) +
                          "\": " + error.message());
        }
        made_ = true;
    }

    // After a failure: everything as it was before make().
    void undo() noexcept {
        std::error_code ignored;
        if (made_) {
            std::filesystem::remove(backup_, ignored);
        } else if (moved_) {
            std::filesystem::rename(backup_, source_, ignored);
        }
        made_ = moved_ = false;
    }

    std::optional<std::filesystem::path> result() const {
        return made_ || moved_ ? std::optional(backup_) : std::nullopt;
    }

private:
    std::filesystem::path source_;
    std::filesystem::path target_;
    std::filesystem::path backup_;
    bool made_ = false;
    bool moved_ = false;
};

std::string notSavedMessage(const std::exception& error, const std::filesystem::path& target) {
    return std::string(error.what()) + "\nФайл \"" + pathToUtf8(target) +
           "\" не сохранен, на диске он остался прежним.";
}

// Everything a save writes, finished under temporary names, and the changes to the register
// that take effect when it succeeds.
struct StagedSave {
    LineChanges cleaned;
    RedrawPlan redrawPlan;
    RedrawResult redraw;
    std::unique_ptr<StagedFile> registerFile;
    std::unique_ptr<DuplicateReportUpdate> report;
};

StagedSave stageSave(const RegisterState& state, const ReferenceData& refs,
                     const std::filesystem::path& target, const std::filesystem::path& reportFolder,
                     const SaveObserver& observer) {
    const auto startStage = [&observer](SaveStage stage) {
        if (observer.stageStarted) {
            observer.stageStarted(stage);
        }
        if (observer.progress) {
            observer.progress(0);
        }
    };
    StagedSave staged;
    startStage(SaveStage::ErrorCheck);
    staged.cleaned = CleanRecordLines(state.DocList, observer.progress);
    const LinesWithChanges lines(state.DocList, staged.cleaned);

    startStage(SaveStage::Redraw);
    staged.redrawPlan = PlanRedraw(lines, refs, observer.progress);
    staged.redraw = TakeRedrawResult(staged.redrawPlan, lines.size());
    const LineChanges& corrections = staged.redrawPlan.corrections;

    startStage(SaveStage::Writing);
    staged.registerFile = std::make_unique<StagedFile>(target);
    staged.registerFile->writeLine(RegisterFileHeader());
    const std::size_t count = lines.size();
    StepReporter reporter(observer.progress, 0); // startStage reported 0
    // The corrections were made to the cleaned lines, and are in record order.
    auto correction = corrections.begin();
    for (std::size_t record = 0; record < count; ++record) {
        if (correction != corrections.end() && correction->first == record) {
            staged.registerFile->writeLine(correction->second);
            ++correction;
        } else {
            staged.registerFile->writeLine(lines[record]);
        }
        reporter.report(static_cast<long long>(record), static_cast<long long>(count));
    }
    staged.registerFile->finish();
    staged.report =
        std::make_unique<DuplicateReportUpdate>(reportFolder, count, staged.redraw.duplicateLines);
    return staged;
}

} // namespace

std::filesystem::path SaveTarget(const std::filesystem::path& currentFile) {
    const std::string current = pathToUtf8(currentFile);
    if (HasFileExtension(current, ".kalv") || HasFileExtension(current, ".xml")) {
        return currentFile.parent_path() /
               (FileBaseName(currentFile.filename().string()) + ".diplom");
    }
    return currentFile;
}

SaveResult SaveRegister(RegisterState& state, const ReferenceData& refs,
                        const std::filesystem::path& reportFolder, const SaveObserver& observer) {
    const std::filesystem::path source = state.CurrentFileName;
    const std::filesystem::path target = SaveTarget(source);
    Backup backup(source, target);
    StagedSave staged;
    try {
        staged = stageSave(state, refs, target, reportFolder, observer);
        backup.make();
        try {
            staged.registerFile->commit();
        } catch (...) {
            backup.undo();
            throw;
        }
    } catch (const ConversionError& error) {
        throw ConversionError(notSavedMessage(error, target));
    } catch (const BadInputError& error) {
        throw BadInputError(notSavedMessage(error, target));
    } catch (const IoError& error) {
        throw IoError(notSavedMessage(error, target));
    }

    SaveResult result;
    result.savedFile = target;
    result.backupFile = backup.result();
    result.reportFile = staged.report->path();
    ApplyLineChanges(state.DocList, staged.cleaned);
    ApplyRedraw(staged.redrawPlan, state.DocList, state.DocKeys);
    state.CurrentFileName = target;
    state.DocModified = false;
    result.report = staged.report->commit();
    result.redraw = std::move(staged.redraw);
    return result;
}

} // namespace svidary
