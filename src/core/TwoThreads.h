#pragma once

#include <cstddef>
#include <exception>
#include <thread>

// Work over a whole register shared by two cores: the caller's thread takes the first half of
// the items (and may report progress, since it is the thread of the window), a second thread
// takes the rest. An exception from either half is rethrown after both have ended, the first
// half's first, so the error of the earliest record is the one reported when both fail.
namespace svidary {

// work(begin, end, onCallerThread) handles the items begin..end-1.
template <typename Work> void RunOnTwoThreads(std::size_t count, Work&& work) {
    constexpr std::size_t MinimumForThreads = 50000;
    if (count < MinimumForThreads || std::thread::hardware_concurrency() < 2) {
        work(std::size_t{0}, count, true);
        return;
    }
    const std::size_t middle = count / 2;
    std::exception_ptr secondError;
    std::thread second([&] {
        try {
            work(middle, count, false);
        } catch (...) {
            secondError = std::current_exception();
        }
    });
    std::exception_ptr firstError;
    try {
        work(std::size_t{0}, middle, true);
    } catch (...) {
        firstError = std::current_exception();
    }
    second.join();
    if (firstError) {
        std::rethrow_exception(firstError);
    }
    if (secondError) {
        std::rethrow_exception(secondError);
    }
}

} // namespace svidary
