#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The duplicate report "Error.txt" of the table redraw, in the working folder: the header line,
// then one line per duplicate. It is made anew for every non-empty register and kept only when
// there are duplicates; an empty register leaves whatever report is there untouched.
namespace svidary {

class StagedFile;

inline constexpr const char* DuplicateReportFileName = "Error.txt";

// "Обнаружены записи о документах с одинаковой серией и номером." (Windows-1251).
const std::string& DuplicateReportHeader();

enum class ReportOutcome {
    Untouched, // empty register: nothing done
    Deleted,   // no duplicates: the report was made and removed again
    Kept       // duplicates: the report is there to be shown
};

// The report written in full under a temporary name, applied by commit(), so that a command
// can finish all its files before it changes any.
class DuplicateReportUpdate {
public:
    // Writes the temporary report; throws IoError when it cannot be created or written.
    DuplicateReportUpdate(const std::filesystem::path& folder, std::size_t recordCount,
                          const std::vector<std::string>& lines);
    ~DuplicateReportUpdate();

    DuplicateReportUpdate(const DuplicateReportUpdate&) = delete;
    DuplicateReportUpdate& operator=(const DuplicateReportUpdate&) = delete;

    // Puts the report in place, or removes it when there are no duplicates. Throws IoError.
    ReportOutcome commit();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::unique_ptr<StagedFile> staged_;
    bool hasDuplicates_ = false;
};

// Writes or removes the report at once.
ReportOutcome WriteDuplicateReport(const std::filesystem::path& folder, std::size_t recordCount,
                                   const std::vector<std::string>& lines);

} // namespace svidary
