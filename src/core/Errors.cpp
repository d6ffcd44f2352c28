#include "Errors.h"

namespace svidary {

void rethrowWithLocation(const ConversionError& error, const std::string& utf8Path,
                         std::size_t line) {
    throw ConversionError(std::string(error.what()) + " (файл \"" + utf8Path + "\", строка " +
                          std::to_string(line) + ")");
}

} // namespace svidary
