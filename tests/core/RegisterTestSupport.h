#pragma once

#include "TestFiles.h"
#include "core/Date.h"
#include "core/ReferenceData.h"

#include <string>
#include <string_view>

// Reference data and records for the register table and file command tests.
namespace svidary::test {

// Levels 0 "Среднее специальное", 1 "Высшее"; types 0 "Диплом", 1 "Дубликат диплома",
// 2 "Диплом с отличием". Institution 1: code 10 from 01.09.1990, code 11 from 01.01.2001,
// code 12 from 01.07.2007. Institution 2: code 20 from 01.01.2007 only.
inline ReferenceData registerTestRefs() {
    ReferenceData refs;
    refs.LevelNames = CodeList({cp("Среднее специальное"), cp("Высшее")});
    refs.DocTypeNames = CodeList({cp("Диплом"), cp("Дубликат диплома"), cp("Диплом с отличием")});
    refs.SchoolTable = Classifier({
        {10, 1, Date{1990, 9, 1}, cp("Школа Альфа")},
        {11, 1, Date{2001, 1, 1}, cp("Колледж Альфа")},
        {12, 1, Date{2007, 7, 1}, cp("Университет Альфа")},
        {20, 2, Date{2007, 1, 1}, cp("Лицей Бета")},
    });
    return refs;
}

// A plausible record in which only the fields that tests vary are given.
struct RecordSpec {
    std::string_view regNum = "1";
    std::string_view level = "1";
    std::string_view type = "0";
    std::string_view surname = "Иванов";
    std::string_view start = "2000";
    std::string_view stop = "2005";
    std::string_view issued = "15.06.2005";
    std::string_view series = "АБ";
    std::string_view number = "123";
    std::string_view personal = "-";
    std::string_view school = "11";
};

inline std::string makeRecord(const RecordSpec& spec) {
    return recordLine({spec.regNum, spec.level, spec.type, spec.surname, "Иван", "Иванович",
                       spec.start, spec.stop, spec.issued, spec.series, spec.number, spec.personal,
                       "Техник", "-", "Техник", spec.school});
}

} // namespace svidary::test
