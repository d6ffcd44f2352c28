#include "SchoolSelection.h"

#include "Cp1251.h"
#include "TextOrder.h"

#include <algorithm>
#include <iterator>

namespace svidary {
namespace {

// A year's first and last day, read from "01.01.YEAR" and "31.12.YEAR" as typed dates are.
Date firstDayOf(int year) {
    return parseDate("01.01." + std::to_string(year));
}

Date lastDayOf(int year) {
    return parseDate("31.12." + std::to_string(year));
}

std::vector<std::string> sortedByTextOrder(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), TextLess{});
    return names;
}

} // namespace

std::vector<int> attributeYears(int currentYear) {
    std::vector<int> years;
    for (int year = FirstAttributeYear; year <= currentYear; ++year) {
        years.push_back(year);
    }
    return years;
}

const TSchoolInfo* nameInForce(const Classifier& classifier, std::int32_t institutionId,
                               const Date& day) {
    // Ordered by ValidFrom and, for equal dates, by table order: the last entry that has begun
    // is the one in force.
    const auto& entries = classifier.institutionEntries(institutionId);
    const auto firstLater = std::upper_bound(
        entries.begin(), entries.end(), day,
        [](const Date& d, const TSchoolInfo* entry) { return d < entry->ValidFrom; });
    return firstLater == entries.begin() ? nullptr : *std::prev(firstLater);
}

std::vector<std::string> namesOfYear(const Classifier& classifier, int year) {
    std::vector<std::string> names;
    if (year < FirstAttributeYear) {
        for (const auto& entry : classifier.entries()) {
            names.push_back(entry.Name);
        }
        return sortedByTextOrder(std::move(names));
    }
    const Date firstDay = firstDayOf(year);
    const Date lastDay = lastDayOf(year);
    for (const auto& entry : classifier.entries()) {
        if (&entry == nameInForce(classifier, entry.InstitutionId, firstDay) ||
            &entry == nameInForce(classifier, entry.InstitutionId, lastDay)) {
            names.push_back(entry.Name);
        }
    }
    return sortedByTextOrder(std::move(names));
}

std::vector<std::string> filteredNames(const Classifier& classifier, int year,
                                       std::string_view filter) {
    const bool wholeYear = year >= FirstAttributeYear;
    const Date firstDay = wholeYear ? firstDayOf(year) : Date{};
    const Date lastDay = wholeYear ? lastDayOf(year) : Date{};
    std::vector<std::string> names;
    for (const auto& entry : classifier.entries()) {
        if (entry.Name.find(filter) == std::string::npos) {
            continue;
        }
        if (wholeYear) {
            const auto validity = classifier.period(entry.Code);
            if (validity.From > firstDay || validity.To < lastDay) {
                continue;
            }
        }
        names.push_back(entry.Name);
    }
    return sortedByTextOrder(std::move(names));
}

std::string periodLabel(const Classifier& classifier, std::string_view name) {
    const TSchoolInfo* entry = classifier.findByName(name);
    if (entry == nullptr) {
        return {};
    }
    static const std::string prefix = utf8ToCp1251("Период выдачи документов: с ");
    static const std::string middle = utf8ToCp1251(" по ");
    const auto validity = classifier.period(entry->Code);
    return prefix + formatDate(validity.From) + middle + formatDate(validity.To);
}

} // namespace svidary
