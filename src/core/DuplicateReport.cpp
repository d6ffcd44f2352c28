#include "DuplicateReport.h"

#include "Cp1251.h"
#include "Errors.h"
#include "StagedFile.h"
#include "TextFile.h"

#include <system_error>

namespace svidary {

const std::string& DuplicateReportHeader() {
    static const std::string header =
        utf8ToCp1251("Обнаружены записи о документах с одинаковой серией и номером.");
    return header;
}

DuplicateReportUpdate::DuplicateReportUpdate(const std::filesystem::path& folder,
                                             std::size_t recordCount,
                                             const std::vector<std::string>& lines)
    : path_(folder / DuplicateReportFileName), hasDuplicates_(!lines.empty()) {
    if (recordCount == 0) {
        return;
    }
    staged_ = std::make_unique<StagedFile>(path_);
    staged_->writeLine(DuplicateReportHeader());
    for (const std::string& line : lines) {
        staged_->writeLine(line);
    }
    staged_->finish();
}

DuplicateReportUpdate::~DuplicateReportUpdate() = default;

ReportOutcome DuplicateReportUpdate::commit() {
    if (!staged_) {
        return ReportOutcome::Untouched;
    }
    if (hasDuplicates_) {
        staged_->commit();
        staged_.reset();
        return ReportOutcome::Kept;
    }
    staged_.reset();
    std::error_code error;
    std::filesystem::remove(path_, error);
    if (error) {
        throw IoError("Не удалось удалить файл \"" + pathToUtf8(path_) + "\": " + error.message());
    }
    return ReportOutcome::Deleted;
}

ReportOutcome WriteDuplicateReport(const std::filesystem::path& folder, std::size_t recordCount,
                                   const std::vector<std::string>& lines) {
    DuplicateReportUpdate update(folder, recordCount, lines);
    return update.commit();
}

} // namespace svidary
