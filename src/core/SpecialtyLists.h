#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The specialty, specialisation and qualification lists of the document form, drawn from the
// specialty file "CODE~SPECIALTY~SPECIALISATION~QUALIFICATION". The form reads the file afresh
// every time it fills its lists.
namespace svidary {

struct SpecialtyLine {
    std::string specialty;
    std::string specialisation;
    std::string qualification;
};

// One line as the form reads it: the code up to the first "~" is skipped; the specialty runs to
// the next "~", the specialisation to the third, the qualification is all the rest. Fields the
// line lacks are empty.
SpecialtyLine parseSpecialtyLine(std::string_view line);

// Every line of the file; an empty file gives one empty line. Throws IoError when the file
// cannot be read.
std::vector<SpecialtyLine> readSpecialtyLines(const std::filesystem::path& path);

// How much of the form's lists a fill rebuilds.
enum class SpecialtyFill {
    // All three lists from every line.
    Everything = 0,
    // Specialisations and qualifications of the lines of the chosen specialty.
    OfSpecialty = 1,
    // Qualifications of the lines of the chosen specialty and specialisation.
    OfSpecialisation = 2,
};

// The new contents of the lists a fill rebuilds; the lists it leaves alone stay empty here.
// Values are compared exactly; an empty value is never listed, a repeated one once; each list
// is in the program's text order.
struct SpecialtyLists {
    std::vector<std::string> specialties;
    std::vector<std::string> specialisations;
    std::vector<std::string> qualifications;
};

SpecialtyLists collectSpecialtyLists(const std::vector<SpecialtyLine>& lines, SpecialtyFill fill,
                                     std::string_view chosenSpecialty,
                                     std::string_view chosenSpecialisation);

} // namespace svidary
