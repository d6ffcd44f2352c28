#pragma once

// The exit codes that scripts rely on.
namespace svidary::cli {

inline constexpr int ExitDone = 0;
inline constexpr int ExitDuplicates = 1;
inline constexpr int ExitError = 2;
inline constexpr int ExitUnansweredNames = 3;

} // namespace svidary::cli
