#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <thread>
#include <vector>

// Sorting of a whole register's worth of rows or keys on two cores: each half is sorted on its
// own thread, then the halves are merged. The comparison must be a strict weak order that
// never ties two different elements, so the result is the same as one std::sort.
namespace svidary {

template <typename T, typename Less> void ParallelSort(std::vector<T>& items, Less less) {
    constexpr std::size_t MinimumForThreads = 65536;
    if (items.size() < MinimumForThreads || std::thread::hardware_concurrency() < 2) {
        std::sort(items.begin(), items.end(), less);
        return;
    }
    const auto middle = items.begin() + static_cast<std::ptrdiff_t>(items.size() / 2);
    std::thread firstHalf([&] { std::sort(items.begin(), middle, less); });
    std::sort(middle, items.end(), less);
    firstHalf.join();
    std::vector<T> merged;
    merged.reserve(items.size());
    std::merge(std::make_move_iterator(items.begin()), std::make_move_iterator(middle),
               std::make_move_iterator(middle), std::make_move_iterator(items.end()),
               std::back_inserter(merged), less);
    items = std::move(merged);
}

} // namespace svidary
