#include "SpecialtyLists.h"

#include "TextFile.h"
#include "TextOrder.h"

#include <algorithm>

namespace svidary {
namespace {

// The text up to the next "~" (or the end); the rest after it, or empty.
std::string_view takeField(std::string_view& rest) {
    const auto tilde = rest.find('~');
    const auto field = rest.substr(0, tilde);
    rest = tilde == std::string_view::npos ? std::string_view{} : rest.substr(tilde + 1);
    return field;
}

void addValue(std::vector<std::string>& list, const std::string& value) {
    if (!value.empty()) {
        list.push_back(value);
    }
}

// The text order puts exactly equal texts next to each other, so sorting first lets the repeats
// be dropped in one pass.
void sortDistinct(std::vector<std::string>& list) {
    std::sort(list.begin(), list.end(), TextLess{});
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

} // namespace

SpecialtyLine parseSpecialtyLine(std::string_view line) {
    auto rest = line;
    takeField(rest); // the code
    SpecialtyLine parsed;
    parsed.specialty = takeField(rest);
    parsed.specialisation = takeField(rest);
    parsed.qualification = rest;
    return parsed;
}

std::vector<SpecialtyLine> readSpecialtyLines(const std::filesystem::path& path) {
    std::vector<SpecialtyLine> lines;
    forEachLine(path, [&lines](std::string_view line, std::size_t) {
        lines.push_back(parseSpecialtyLine(line));
    });
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

SpecialtyLists collectSpecialtyLists(const std::vector<SpecialtyLine>& lines, SpecialtyFill fill,
                                     std::string_view chosenSpecialty,
                                     std::string_view chosenSpecialisation) {
    SpecialtyLists lists;
    for (const auto& line : lines) {
        switch (fill) {
        case SpecialtyFill::Everything:
            addValue(lists.specialties, line.specialty);
            addValue(lists.specialisations, line.specialisation);
            addValue(lists.qualifications, line.qualification);
            break;
        case SpecialtyFill::OfSpecialty:
            if (line.specialty == chosenSpecialty) {
                addValue(lists.specialisations, line.specialisation);
                addValue(lists.qualifications, line.qualification);
            }
            break;
        case SpecialtyFill::OfSpecialisation:
            if (line.specialty == chosenSpecialty && line.specialisation == chosenSpecialisation) {
                addValue(lists.qualifications, line.qualification);
            }
            break;
        }
    }
    sortDistinct(lists.specialties);
    sortDistinct(lists.specialisations);
    sortDistinct(lists.qualifications);
    return lists;
}

} // namespace svidary
