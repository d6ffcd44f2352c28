#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The key by which the record commands and the document form find a document in DocKeys.
// DocKeys holds short keys "TYPE SERIES~NUMBER" (written by the record commands and the legacy
// import) and long keys "TYPE SERIES~NUMBER~~SCHOOL" (written by the table redraw). A lookup
// compares the part before the first "~" and the number part up to the next "~", so short and
// long keys of one document match alike.
namespace svidary {

struct DocumentKey {
    // The type code in decimal followed by the series, without a separator: type 1 with series
    // 2АБ and type 12 with series АБ give the same text, and so the same document.
    std::string typeAndSeries;
    std::string number;

    // From a type code; the record commands may also build the key from a record's field texts.
    static DocumentKey of(int typeCode, std::string_view series, std::string_view number);

    // typeAndSeries + "~" + number: what the record commands append to DocKeys.
    std::string shortKey() const;

    // Whether a DocKeys entry, short or long, names this document.
    bool matches(std::string_view entry) const;
};

// The position of the first entry that matches the key, or nothing.
std::optional<std::size_t> findDocumentKey(const std::vector<std::string>& keys,
                                           const DocumentKey& key);

} // namespace svidary
