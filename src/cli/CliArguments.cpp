#include "CliArguments.h"

namespace svidary::cli {

namespace {

bool acceptsAnswers(const std::string& command) {
    return command == "convert" || command == "merge";
}

bool isOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

CliArguments ParseArguments(const std::vector<std::string>& arguments) {
    CliArguments parsed;
    std::size_t next = 0;
    if (next < arguments.size() && arguments[next] == "--refs") {
        if (next + 1 >= arguments.size()) {
            throw UsageError("после --refs нужна папка справочников");
        }
        parsed.refsDir = arguments[next + 1];
        next += 2;
    }
    if (next < arguments.size() && (arguments[next] == "--help" || arguments[next] == "-h")) {
        parsed.request = Request::Help;
        return parsed;
    }
    if (next < arguments.size() && arguments[next] == "--version") {
        parsed.request = Request::Version;
        return parsed;
    }
    if (next >= arguments.size()) {
        throw UsageError("не указана команда");
    }
    parsed.command = arguments[next++];
    if (isOption(parsed.command)) {
        throw UsageError("неизвестный параметр " + parsed.command);
    }
    for (; next < arguments.size(); ++next) {
        const std::string& argument = arguments[next];
        if (argument == "--answers") {
            if (!acceptsAnswers(parsed.command)) {
                throw UsageError("--answers допустим только после convert и merge");
            }
            if (next + 1 >= arguments.size() || parsed.answersFile) {
                throw UsageError("после --answers нужен один файл ответов");
            }
            parsed.answersFile = arguments[++next];
        } else if (argument == "--refs") {
            throw UsageError("--refs ставится перед командой");
        } else if (isOption(argument)) {
            throw UsageError("неизвестный параметр " + argument);
        } else {
            parsed.operands.push_back(argument);
        }
    }
    return parsed;
}

} // namespace svidary::cli
