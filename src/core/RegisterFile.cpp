#include "RegisterFile.h"

#include "Cp1251.h"
#include "TextFile.h"

#include <system_error>

namespace svidary {

const std::string& RegisterFileHeader() {
    static const std::string header = utf8ToCp1251("<Список выданных документов>");
    return header;
}

void LoadDiplomFile(RegisterState& state, const ProgressCallback& progress) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(state.CurrentFileName, error);
    const long long total = error ? 0 : static_cast<long long>(size);
    StepReporter reporter(progress);

    auto& docList = state.DocList;
    forEachLine(
        state.CurrentFileName,
        [&docList](std::string_view line, std::size_t) {
            if (!line.empty() && line.front() != '<') {
                docList.emplace_back(line);
            }
        },
        [&](std::uintmax_t bytesRead) {
            reporter.report(static_cast<long long>(bytesRead), total);
        });
}

} // namespace svidary
