#include "ReferenceData.h"

#include "Cp1251.h"

#include <array>
#include <utility>

namespace svidary {

namespace {

// Type codes that a text may give by being written as a number.
constexpr int LargestNumberedType = 20;

// A number 0-20 written without leading zeros, or -1.
int smallTypeNumber(std::string_view text) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0')) {
        return -1;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value <= LargestNumberedType ? value : -1;
}

// Type names that older registers used, with the codes they stand for.
int fixedTypeCode(std::string_view text) {
    static const std::array<std::pair<std::string, int>, 4> fixedNames = {{
        {utf8ToCp1251("Диплом аспиранта"), 8},
        {utf8ToCp1251("Диплом магистра"), 10},
        {utf8ToCp1251("Дубликат диплома"), 1},
        {utf8ToCp1251("Диплом с отличием"), 2},
    }};
    for (const auto& [name, code] : fixedNames) {
        if (text == name) {
            return code;
        }
    }
    return -1;
}

std::string wrongFieldMessage(std::string_view fieldName, std::string_view text) {
    return std::string("Внимание!\n\rОбнаружен документ с некорректным полем \"") +
           std::string(fieldName) + "\"\n\r(значение = \"" + cp1251ToUtf8(text) + "\")" + "\n\r" +
           "Проверьте загружаемый файл";
}

int checkedCode(const CodeList& list, std::string_view text, std::string_view fieldName,
                const WarningSink& warn) {
    const int code = list.firstCodeOf(text);
    if (code < 0 && warn) {
        warn(wrongFieldMessage(fieldName, text));
    }
    return code;
}

} // namespace

SchoolValidity ReferenceData::SchoolPeriod(std::int32_t code) const {
    return SchoolTable.period(code);
}

std::int32_t ReferenceData::SchoolCodeAtDate(std::int32_t code, const Date& date) const {
    return SchoolTable.codeAtDate(code, date);
}

const std::string& ReferenceData::SchoolNameByCode(std::int32_t code) const {
    static const std::string notFound = utf8ToCp1251("Нет в классификаторе.");
    const TSchoolInfo* entry = SchoolTable.findByCode(code);
    return entry ? entry->Name : notFound;
}

std::int32_t ReferenceData::SchoolCodeByName(std::string_view name) const {
    const TSchoolInfo* entry = SchoolTable.findByName(name);
    return entry ? entry->Code : -1;
}

int ReferenceData::DocTypeIndex(std::string_view text) const {
    if (const int code = DocTypeNames.firstCodeOf(text); code >= 0) {
        return code;
    }
    if (const int number = smallTypeNumber(text); number >= 0) {
        return number;
    }
    if (const int code = fixedTypeCode(text); code >= 0) {
        return code;
    }
    return 0;
}

const std::string& ReferenceData::DocTypeName(std::string_view text) const {
    return DocTypeNames.nameOf(DocTypeIndex(text));
}

int ReferenceData::CheckLevel(std::string_view text, const WarningSink& warn) const {
    return checkedCode(LevelNames, text, "Уровень образования", warn);
}

int ReferenceData::CheckDocType(std::string_view text, const WarningSink& warn) const {
    return checkedCode(DocTypeNames, text, "Тип документа", warn);
}

} // namespace svidary
