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

// Passes a step to the callback only when it differs from the last one passed, so that a loop
// over a million records moves the bar 29 times instead of repainting the window per record.
class StepReporter {
public:
    // lastStep: the step the callback was last given, when the loop continues a report.
    explicit StepReporter(const ProgressCallback& progress, int lastStep = -1)
        : progress_(progress), lastStep_(lastStep) {}

    void report(long long done, long long total) {
        if (!progress_) {
            return;
        }
        const int step = progressStep(done, total);
        if (step != lastStep_) {
            lastStep_ = step;
            progress_(step);
        }
    }

private:
    const ProgressCallback& progress_;
    int lastStep_;
};

} // namespace svidary
