#include "Classifier.h"

#include <algorithm>
#include <iterator>

namespace svidary {

namespace {

// Entries dated on or before this day never count as a name in force.
constexpr Date LastIgnoredDay{1899, 12, 29};
constexpr Date FirstDay{1, 1, 1};

bool validFromBefore(const TSchoolInfo* entry, const Date& date) {
    return entry->ValidFrom < date;
}

} // namespace

Classifier::Classifier(std::vector<TSchoolInfo> entries) : entries_(std::move(entries)) {
    buildIndexes();
}

Classifier::Classifier(const Classifier& other) : entries_(other.entries_) {
    buildIndexes();
}

Classifier& Classifier::operator=(const Classifier& other) {
    if (this != &other) {
        entries_ = other.entries_;
        buildIndexes();
    }
    return *this;
}

void Classifier::buildIndexes() {
    firstByCode_.clear();
    firstByName_.clear();
    byInstitution_.clear();
    firstByCode_.reserve(entries_.size());
    firstByName_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& entry = entries_[i];
        firstByCode_.emplace(entry.Code, i);
        firstByName_.emplace(entry.Name, i);
        byInstitution_[entry.InstitutionId].push_back(&entry);
    }
    // Stable: entries of one day keep their table order.
    for (auto& [id, list] : byInstitution_) {
        std::stable_sort(list.begin(), list.end(), [](const TSchoolInfo* a, const TSchoolInfo* b) {
            return a->ValidFrom < b->ValidFrom;
        });
    }
}

const TSchoolInfo* Classifier::findByCode(std::int32_t code) const {
    const auto found = firstByCode_.find(code);
    return found == firstByCode_.end() ? nullptr : &entries_[found->second];
}

const TSchoolInfo* Classifier::findByName(std::string_view name) const {
    const auto found = firstByName_.find(name);
    return found == firstByName_.end() ? nullptr : &entries_[found->second];
}

const std::vector<const TSchoolInfo*>&
Classifier::institutionEntries(std::int32_t institutionId) const {
    static const std::vector<const TSchoolInfo*> none;
    const auto found = byInstitution_.find(institutionId);
    return found == byInstitution_.end() ? none : found->second;
}

SchoolValidity Classifier::period(std::int32_t code) const {
    const TSchoolInfo* entry = findByCode(code);
    if (!entry) {
        return {FirstDay, Date::endless()};
    }
    const auto& names = institutionEntries(entry->InstitutionId);
    const auto next = std::upper_bound(
        names.begin(), names.end(), entry->ValidFrom,
        [](const Date& date, const TSchoolInfo* other) { return date < other->ValidFrom; });
    const Date to = next != names.end() && (*next)->ValidFrom < Date::endless() ? (*next)->ValidFrom
                                                                                : Date::endless();
    return {entry->ValidFrom, to};
}

std::int32_t Classifier::codeAtDate(std::int32_t code, const Date& date) const {
    const TSchoolInfo* entry = findByCode(code);
    if (!entry) {
        return -1;
    }
    const auto& names = institutionEntries(entry->InstitutionId);
    const auto firstNotBefore =
        std::lower_bound(names.begin(), names.end(), date,
                         [](const TSchoolInfo* e, const Date& d) { return validFromBefore(e, d); });
    if (firstNotBefore == names.begin()) {
        return -1;
    }
    const Date latest = (*std::prev(firstNotBefore))->ValidFrom;
    if (latest <= LastIgnoredDay) {
        return -1;
    }
    // The first in table order among the entries of that latest day.
    const auto first =
        std::lower_bound(names.begin(), firstNotBefore, latest,
                         [](const TSchoolInfo* e, const Date& d) { return validFromBefore(e, d); });
    return (*first)->Code;
}

} // namespace svidary
