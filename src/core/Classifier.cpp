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
    for (const auto& entry : entries_) {
        byInstitution_[entry.InstitutionId].push_back(&entry);
    }
    // Stable: entries of one day keep their table order.
    std::vector<std::size_t> positionOf(entries_.size());
    for (auto& [id, names] : byInstitution_) {
        std::stable_sort(
            names.begin(), names.end(),
            [](const TSchoolInfo* a, const TSchoolInfo* b) { return a->ValidFrom < b->ValidFrom; });
        for (std::size_t position = 0; position < names.size(); ++position) {
            positionOf[static_cast<std::size_t>(names[position] - entries_.data())] = position;
        }
    }
    firstByCode_.reserve(entries_.size());
    firstByName_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& entry = entries_[i];
        firstByCode_.emplace(entry.Code,
                             CodeIndex{i, &byInstitution_.at(entry.InstitutionId), positionOf[i]});
        firstByName_.emplace(entry.Name, i);
    }
}

const TSchoolInfo* Classifier::findByCode(std::int32_t code) const {
    const auto found = firstByCode_.find(code);
    return found == firstByCode_.end() ? nullptr : &entries_[found->second.entry];
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
    const auto found = firstByCode_.find(code);
    if (found == firstByCode_.end()) {
        return {FirstDay, Date::endless()};
    }
    const auto& names = *found->second.names;
    const Date from = names[found->second.position]->ValidFrom;
    const auto next = std::upper_bound(
        names.begin() + static_cast<std::ptrdiff_t>(found->second.position), names.end(), from,
        [](const Date& date, const TSchoolInfo* other) { return date < other->ValidFrom; });
    const bool hasNext = next != names.end() && (*next)->ValidFrom < Date::endless();
    return {from, hasNext ? (*next)->ValidFrom : Date::endless()};
}

std::int32_t Classifier::codeAtDate(std::int32_t code, const Date& date) const {
    const auto found = firstByCode_.find(code);
    if (found == firstByCode_.end()) {
        return -1;
    }
    const auto& names = *found->second.names;
    const auto firstNotBefore = std::lower_bound(names.begin(), names.end(), date, validFromBefore);
    if (firstNotBefore == names.begin()) {
        return -1;
    }
    const Date latest = (*std::prev(firstNotBefore))->ValidFrom;
    if (latest <= LastIgnoredDay) {
        return -1;
    }
    // The first in table order among the entries of that latest day.
    const auto first = std::lower_bound(names.begin(), firstNotBefore, latest, validFromBefore);
    return (*first)->Code;
}

} // namespace svidary
