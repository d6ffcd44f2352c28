// Writes a realistic register for the performance measurements: by default 1,000,000 records
// (about 130 MB) against the sample classifier, with some duplicate documents and some records
// whose school code the table's correction changes.
//
//   generate_register OUTPUT [--count N] [--classifier PATH]
//
// The classifier defaults to Files/VELTSchools.xml in the working folder. The same arguments
// always give the same file.

#include "core/Cp1251.h"
#include "core/Date.h"
#include "core/Record.h"
#include "core/ReferenceData.h"
#include "core/ReferenceFiles.h"
#include "core/RegisterFile.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using svidary::utf8ToCp1251;

std::vector<std::string> cp1251List(std::initializer_list<const char*> utf8) {
    std::vector<std::string> list;
    for (const char* text : utf8) {
        list.push_back(utf8ToCp1251(text));
    }
    return list;
}

struct Vocabulary {
    std::vector<std::string> surnames = cp1251List(
        {"Иванов",    "Петров",     "Сидоров",  "Кузнецов", "Смирнов",  "Попов",    "Васильев",
         "Новиков",   "Фёдоров",    "Морозов",  "Волков",   "Алексеев", "Лебедев",  "Семёнов",
         "Егоров",    "Павлов",     "Козлов",   "Степанов", "Николаев", "Орлов",    "Андреев",
         "Макаров",   "Никитин",    "Захаров",  "Зайцев",   "Соловьёв", "Борисов",  "Яковлев",
         "Григорьев", "Романов",    "Воробьёв", "Сергеев",  "Кузьмин",  "Фролов",   "Александров",
         "Дмитриев",  "Королёв",    "Гусев",    "Киселёв",  "Ильин",    "Максимов", "Поляков",
         "Сорокин",   "Виноградов", "Ковалёв",  "Белов",    "Медведев", "Антонов",  "Тарасов",
         "Жуков",     "Баранов",    "Филиппов", "Комаров",  "Давыдов",  "Беляев",   "Герасимов",
         "Богданов",  "Осипов",     "Сиваков",  "Матвеев"});
    std::vector<std::string> maleNames = cp1251List(
        {"Александр", "Алексей", "Андрей",  "Антон", "Артём", "Борис",  "Вадим",  "Виктор",
         "Владимир",  "Дмитрий", "Евгений", "Иван",  "Игорь", "Кирилл", "Максим", "Михаил",
         "Никита",    "Николай", "Олег",    "Павел", "Роман", "Сергей", "Юрий"});
    std::vector<std::string> femaleNames =
        cp1251List({"Анна", "Анастасия", "Валентина", "Вера", "Галина", "Дарья", "Екатерина",
                    "Елена", "Ирина", "Ксения", "Людмила", "Марина", "Мария", "Наталья", "Ольга",
                    "Светлана", "Татьяна", "Юлия"});
    std::vector<std::string> patronymicStems = cp1251List(
        {"Александров", "Алексеев", "Андреев", "Борисов",  "Викторов",  "Владимиров", "Дмитриев",
         "Евгеньев",    "Иванов",   "Игорев",  "Михайлов", "Николаев",  "Олегов",     "Павлов",
         "Петров",      "Сергеев",  "Юрьев",   "Васильев", "Геннадьев", "Анатольев"});
    std::vector<std::string> series = cp1251List({"АБ", "ВГ", "ДЕ", "КЛ", "МН", "ПР", "СТ", "РБ"});
    std::vector<std::string> specialties = cp1251List(
        {"Технология машиностроения", "Бухгалтерский учет", "Программирование", "Лечебное дело",
         "Дошкольное образование", "Строительство зданий и сооружений", "Агрономия",
         "Эксплуатация автомобилей", "Коммерческая деятельность", "Сети телекоммуникаций"});
    std::vector<std::string> specialisations =
        cp1251List({"-", "-", "-", "-", "Производственная деятельность", "Эксплуатация и ремонт"});
    std::vector<std::string> qualifications =
        cp1251List({"Техник", "Бухгалтер", "Техник-программист", "Фельдшер",
                    "Воспитатель дошкольного учреждения", "Техник-строитель", "Агроном",
                    "Техник-механик", "Товаровед", "Техник-электрик"});
    std::string male = utf8ToCp1251("ич");
    std::string female = utf8ToCp1251("на");
    std::string femaleSurname = utf8ToCp1251("а");
};

struct Institution {
    std::vector<const svidary::TSchoolInfo*> names; // by ValidFrom
};

class Generator {
public:
    explicit Generator(const svidary::ReferenceData& refs) : refs_(refs) {
        std::map<std::int32_t, Institution> byId;
        for (const svidary::TSchoolInfo& entry : refs.SchoolTable.entries()) {
            byId[entry.InstitutionId].names.push_back(&entry);
        }
        for (auto& [id, institution] : byId) {
            institutions_.push_back(institution);
        }
    }

    // One record. About 2 % carry a code the correction changes, about 0.1 % repeat the
    // document of an earlier record.
    std::string record(std::size_t index) {
        const bool female = random_() % 2 == 0;
        const int stop = 1996 + static_cast<int>(random_() % 28);
        const int start = stop - 4 - static_cast<int>(random_() % 2);
        const svidary::Date issued{stop, 6 + static_cast<int>(random_() % 2),
                                   1 + static_cast<int>(random_() % 28)};
        std::string type = pickType();
        std::string seriesText = pick(words_.series);
        std::string number = std::to_string(1000000 + index);
        std::string school = std::to_string(schoolCode(issued));
        if (index > 0 && random_() % 1000 == 0 && !issuedDocuments_.empty()) {
            const auto& earlier = issuedDocuments_[random_() % issuedDocuments_.size()];
            type = earlier[0];
            seriesText = earlier[1];
            number = earlier[2];
            school = earlier[3];
        } else if (random_() % 50 == 0) {
            school = std::to_string(outdatedCode(stop));
        }
        if (random_() % 100 == 0) {
            issuedDocuments_.push_back({type, seriesText, number, school});
        }

        std::string surname = pick(words_.surnames);
        if (female) {
            surname += words_.femaleSurname;
        }
        const std::string& name = pick(female ? words_.femaleNames : words_.maleNames);
        const std::string patronymic =
            pick(words_.patronymicStems) + (female ? words_.female : words_.male);
        const std::size_t specialty = random_() % words_.specialties.size();

        const std::string fields[svidary::FieldCount] = {std::to_string(index + 1),
                                                         std::to_string(random_() % 4),
                                                         type,
                                                         surname,
                                                         name,
                                                         patronymic,
                                                         std::to_string(start),
                                                         std::to_string(stop),
                                                         svidary::formatDate(issued),
                                                         seriesText,
                                                         number,
                                                         random_() % 5 == 0 ? std::string("-")
                                                                            : personalNumber(),
                                                         words_.specialties[specialty],
                                                         pick(words_.specialisations),
                                                         words_.qualifications[specialty],
                                                         school};
        std::string line;
        for (int field = 0; field < svidary::FieldCount; ++field) {
            if (field > 0) {
                line.push_back(svidary::FieldSeparator);
            }
            line += fields[field];
        }
        return line;
    }

private:
    const std::string& pick(const std::vector<std::string>& list) {
        return list[random_() % list.size()];
    }

    std::string pickType() {
        const unsigned roll = random_() % 100;
        return roll < 82 ? "0" : roll < 94 ? "2" : roll < 97 ? "1" : "3";
    }

    std::string personalNumber() {
        static const char letters[] = "ABCEHKMPT";
        std::string text = std::to_string(1000000 + random_() % 9000000);
        text += letters[random_() % 9];
        text += std::to_string(100 + random_() % 900);
        text += "PB";
        text += std::to_string(random_() % 10);
        return text;
    }

    // The code of a name in force at the issue date.
    std::int32_t schoolCode(const svidary::Date& issued) {
        for (;;) {
            const Institution& institution = institutions_[random_() % institutions_.size()];
            const std::int32_t code =
                refs_.SchoolCodeAtDate(institution.names.front()->Code, issued);
            if (code != -1) {
                return code;
            }
        }
    }

    // The code of a name that was no longer in force in the year of graduation.
    std::int32_t outdatedCode(int stopYear) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const Institution& institution = institutions_[random_() % institutions_.size()];
            const std::int32_t code = institution.names.front()->Code;
            if (refs_.SchoolPeriod(code).To.year < stopYear) {
                return code;
            }
        }
        return institutions_.front().names.front()->Code;
    }

    const svidary::ReferenceData& refs_;
    std::vector<Institution> institutions_;
    Vocabulary words_;
    std::mt19937_64 random_{20240601};
    std::vector<std::vector<std::string>> issuedDocuments_;
};

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc < 2) {
            std::cerr << "usage: generate_register OUTPUT [--count N] [--classifier PATH]\n";
            return 2;
        }
        const std::string output = argv[1];
        std::size_t count = 1000000;
        std::string classifier = "Files/VELTSchools.xml";
        for (int i = 2; i + 1 < argc; i += 2) {
            const std::string option = argv[i];
            if (option == "--count") {
                count = std::stoul(argv[i + 1]);
            } else if (option == "--classifier") {
                classifier = argv[i + 1];
            } else {
                std::cerr << "unknown option " << option << "\n";
                return 2;
            }
        }
        svidary::ReferenceData refs;
        refs.SchoolTable = svidary::Classifier(svidary::readClassifierFile(classifier));
        Generator generator(refs);

        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out << svidary::RegisterFileHeader() << "\r\n";
        for (std::size_t index = 0; index < count; ++index) {
            out << generator.record(index) << "\r\n";
        }
        out.close();
        if (!out) {
            std::cerr << "cannot write " << output << "\n";
            return 2;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 2;
    }
}
