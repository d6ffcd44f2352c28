#pragma once

#include "Classifier.h"
#include "ReferenceData.h"
#include "RegisterCells.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The reference files in the folder Files/ beside the executable. They look like XML but are
// read by fixed markers and line positions, never by an XML parser.
namespace svidary {

inline constexpr std::string_view RefFilePrefix = "VELT";
using ColumnVisibility = std::array<bool, RegisterColumnCount>;

// filesDir / ("VELT" + baseName)
std::filesystem::path referenceFilePath(const std::filesystem::path& filesDir,
                                        std::string_view baseName);

// Levels and types: items "<Item? id=\"N\" ... name=\"TEXT\" .../>" in ascending id order.
// Items out of order, with a negative id or an id above 255 are skipped.
std::vector<std::string> readItemsFile(const std::filesystem::path& path);

// The classifier: line 1 skipped, empty lines skipped, every other line
// "CODE INSTITUTION DD.MM.YYYY NAME". Conversion errors name the file and line.
std::vector<TSchoolInfo> readClassifierFile(const std::filesystem::path& path);

struct Attributes {
    std::int32_t schoolCode = 1;
    std::int32_t year = 2007;
};

// Lines 2 and 4; a year below 1991 becomes 1991.
Attributes readAttributesFile(const std::filesystem::path& path);

// Writes the four-line attributes file whole or not at all.
void writeAttributesFile(const std::filesystem::path& path, const Attributes& attributes);

// Line 2: one "0"/"1" per column; anything but "1", or a missing position, hides the column.
ColumnVisibility readColumnsFile(const std::filesystem::path& path);

struct LoadedReferences {
    bool attributesFound = false;
    // Set when the columns file exists.
    std::optional<ColumnVisibility> columns;
};

// Loads levels, types, classifier, columns and attributes from filesDir into refs, in that order.
// A missing levels, types or classifier file throws MissingReferenceFile with the message to
// show; later files are not looked at. Other errors propagate; what was read before stays.
LoadedReferences LoadReferences(ReferenceData& refs, const std::filesystem::path& filesDir);

} // namespace svidary
