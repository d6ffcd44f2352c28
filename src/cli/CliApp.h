#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace svidary::cli {

// Runs the tool on its arguments (without the program name) and gives the exit code. Results go
// to out, errors to err, both UTF-8.
int RunCli(const std::vector<std::string>& arguments, const std::string& programPath,
           std::ostream& out, std::ostream& err);

} // namespace svidary::cli
