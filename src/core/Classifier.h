#pragma once

#include "Date.h"
#include "TextHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace svidary {

// One classifier entry: one name of one institution, valid from a day.
struct TSchoolInfo {
    std::int32_t Code = 0;
    std::int32_t InstitutionId = 0;
    Date ValidFrom;
    std::string Name; // Windows-1251
};

// The validity of one name: From <= day < To.
struct SchoolValidity {
    Date From;
    Date To;
};

// The classifier in file order, indexed by code, by institution and by name so that every
// lookup is constant or logarithmic time: they run once per record on registers of a million.
class Classifier {
public:
    Classifier() = default;
    explicit Classifier(std::vector<TSchoolInfo> entries);
    // The indexes point into the entries, so a copy builds its own.
    Classifier(const Classifier& other);
    Classifier& operator=(const Classifier& other);
    Classifier(Classifier&&) noexcept = default;
    Classifier& operator=(Classifier&&) noexcept = default;

    const std::vector<TSchoolInfo>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // The first entry of that code, or nullptr.
    const TSchoolInfo* findByCode(std::int32_t code) const;
    // The first entry, in table order, of exactly that name, or nullptr.
    const TSchoolInfo* findByName(std::string_view name) const;
    // The entries of one institution, ordered by ValidFrom and, for equal dates, by table order.
    const std::vector<const TSchoolInfo*>& institutionEntries(std::int32_t institutionId) const;

    // Validity of the first entry of that code. A code the classifier lacks is valid always
    // (01.01.0001 to 01.01.2100), so that nothing is ever corrected on its account.
    SchoolValidity period(std::int32_t code) const;

    // The code of the same institution's name in force just before the date (the latest entry
    // strictly before it, the first in table order among equals; entries on or before
    // 29.12.1899 never qualify), or -1.
    std::int32_t codeAtDate(std::int32_t code, const Date& date) const;

private:
    void buildIndexes();

    std::vector<TSchoolInfo> entries_;
    // Where the first entry of a code stands: in the table and among its institution's names.
    struct CodeIndex {
        std::size_t entry = 0;
        const std::vector<const TSchoolInfo*>* names = nullptr;
        std::size_t position = 0;
    };

    std::unordered_map<std::int32_t, CodeIndex> firstByCode_;
    std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>> firstByName_;
    std::unordered_map<std::int32_t, std::vector<const TSchoolInfo*>> byInstitution_;
};

} // namespace svidary
