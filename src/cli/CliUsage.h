#pragma once

#include <string>

namespace svidary::cli {

// The text of --help (UTF-8).
std::string UsageText();

// The text of --version.
std::string VersionText();

} // namespace svidary::cli
