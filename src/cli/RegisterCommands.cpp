#include "RegisterCommands.h"

#include "ExitCodes.h"
#include "core/Cp1251.h"
#include "core/DuplicateReport.h"
#include "core/RegisterOpen.h"
#include "core/RegisterSave.h"
#include "core/TextFile.h"

#include <algorithm>

namespace svidary::cli {

std::filesystem::path FileArgument(const std::string& argument) {
    std::string text = argument;
#ifndef _WIN32
    std::replace(text.begin(), text.end(), '\\', '/');
#endif
    return std::filesystem::absolute(text).lexically_normal();
}

int RunSave(const CommandContext& context, const std::filesystem::path& file) {
    RegisterState state;
    OpenRegister(state, context.refs, file);
    const SaveResult saved = SaveRegister(state, context.refs, context.workingFolder);
    context.out << "Файл \"" << pathToUtf8(saved.savedFile) << "\" сохранен\n";
    if (saved.report == ReportOutcome::Kept) {
        context.out << "Обнаружены записи о документах с одинаковой серией и номером: \""
                    << pathToUtf8(saved.reportFile) << "\"\n";
    }
    return ExitDone;
}

int RunCheck(const CommandContext& context, const std::filesystem::path& file) {
    RegisterState state;
    const RedrawResult result = OpenRegister(state, context.refs, file);
    context.out << "Записей: " << result.recordCount << "\n";
    if (!result.hasDuplicates()) {
        return ExitDone;
    }
    context.out << cp1251ToUtf8(DuplicateReportHeader()) << "\n";
    for (const std::string& line : result.duplicateLines) {
        context.out << cp1251ToUtf8(line) << "\n";
    }
    return ExitDuplicates;
}

} // namespace svidary::cli
