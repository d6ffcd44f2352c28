#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The long keys of a register in the text order as the redraw leaves them: the texts stay in the
// two buffers the halves of the redraw wrote them into, and each key is eight bytes of place.
// Only when the redraw is applied do they become DocKeys' strings, and then into the strings
// already there: a save needs no second set of a million key strings beside the first.
namespace svidary {

class SortedKeys {
public:
    SortedKeys() = default;
    // The texts of the two halves. Offsets count from the start of the first and run on into the
    // second, as if both were one buffer.
    SortedKeys(std::string firstTexts, std::string secondTexts);

    // The text at offset, as counted above.
    std::string_view text(std::uint32_t offset, std::uint32_t length) const {
        return offset < firstSize_
                   ? std::string_view(firstTexts_.data() + offset, length)
                   : std::string_view(secondTexts_.data() + (offset - firstSize_), length);
    }

    void reserve(std::size_t count) { places_.reserve(count); }
    // The next key in the order.
    void append(std::uint32_t offset, std::uint32_t length) { places_.push_back({offset, length}); }

    std::size_t size() const { return places_.size(); }
    bool empty() const { return places_.empty(); }
    std::string_view operator[](std::size_t index) const {
        return text(places_[index].offset, places_[index].length);
    }

    // Makes keys hold these keys in order. The strings already in keys are assigned to, so their
    // memory is reused wherever it is large enough.
    void assignTo(std::vector<std::string>& keys) const;

private:
    struct Place {
        std::uint32_t offset;
        std::uint32_t length;
    };

    std::string firstTexts_;
    std::string secondTexts_;
    std::uint32_t firstSize_ = 0;
    std::vector<Place> places_;
};

} // namespace svidary
