#pragma once

#include <functional>

namespace svidary {

// The progress bar runs from 0 to 28.
inline constexpr int ProgressSteps = 28;

// Long work reports its step (0..28) through this callback after each unit of work, so that the
// window can advance its bar and keep painting. An empty callback reports nothing.
using ProgressCallback = std::function<void(int step)>;

// (done * 28) / total with integer division; 0 when total is 0.
inline int progressStep(long long done, long long total) {
    return total > 0 ? static_cast<int>(done * ProgressSteps / total) : 0;
}

} // namespace svidary
