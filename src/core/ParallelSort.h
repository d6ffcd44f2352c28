#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <thread>
#include <vector>

// Sorting of a whole register's worth of rows or keys on two cores: each part is sorted on its
// own thread, then the parts are merged on the fly into whatever the caller keeps of each item
// (a row number, the place of a key), never into a second sorted copy of the items: on a million
// records such a copy costs tens of megabytes. The comparison must be a strict weak order that
// never ties two different elements, so the result is the same as one std::sort.
namespace svidary {

// Sorts both ranges, the first on a second thread when they are large.
template <typename Iterator, typename Less>
void SortTwoRanges(Iterator first, Iterator firstEnd, Iterator second, Iterator secondEnd,
                   Less less) {
    constexpr std::ptrdiff_t MinimumForThreads = 65536;
    if (std::distance(first, firstEnd) + std::distance(second, secondEnd) < MinimumForThreads ||
        std::thread::hardware_concurrency() < 2) {
        std::sort(first, firstEnd, less);
        std::sort(second, secondEnd, less);
        return;
    }
    std::thread firstThread([&] { std::sort(first, firstEnd, less); });
    std::sort(second, secondEnd, less);
    firstThread.join();
}

// Calls emit(item) for every item of two sorted ranges, in the order of both together.
template <typename Iterator, typename Less, typename Emit>
void ForEachMerged(Iterator first, Iterator firstEnd, Iterator second, Iterator secondEnd,
                   Less less, Emit emit) {
    while (first != firstEnd && second != secondEnd) {
        if (less(*second, *first)) {
            emit(*second++);
        } else {
            emit(*first++);
        }
    }
    for (; first != firstEnd; ++first) {
        emit(*first);
    }
    for (; second != secondEnd; ++second) {
        emit(*second);
    }
}

// Sorts the halves of items on two cores and calls emit(item) for every item in the order of the
// whole. The items are left as the two sorted halves.
template <typename T, typename Less, typename Emit>
void ParallelSortEach(std::vector<T>& items, Less less, Emit emit) {
    const auto middle = items.begin() + static_cast<std::ptrdiff_t>(items.size() / 2);
    SortTwoRanges(items.begin(), middle, middle, items.end(), less);
    ForEachMerged(items.begin(), middle, middle, items.end(), less, emit);
}

} // namespace svidary
