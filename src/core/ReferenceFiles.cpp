#include "ReferenceFiles.h"

#include "Cp1251.h"
#include "Errors.h"
#include "Numbers.h"
#include "TextFile.h"

#include <algorithm>

namespace svidary {

namespace {

constexpr std::int32_t LargestListCode = 255;
constexpr std::int32_t EarliestYear = 1991;

constexpr std::string_view ItemStart = "<Item";
constexpr std::string_view ItemEmptyEnd = "/>";
constexpr std::string_view ItemCloseTag = "</Item>";
constexpr std::string_view IdAttribute = "id=\"";
constexpr std::string_view NameAttribute = "name=\"";

// A whole file joined without its line ends, remembering where each line began so that an error
// can name its line.
struct JoinedText {
    std::string text;
    std::vector<std::size_t> lineStarts;

    std::size_t lineAt(std::size_t offset) const {
        const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
        return static_cast<std::size_t>(after - lineStarts.begin());
    }
};

JoinedText joinLines(const std::filesystem::path& path) {
    JoinedText joined;
    forEachLine(path, [&joined](std::string_view line, std::size_t) {
        joined.lineStarts.push_back(joined.text.size());
        joined.text += line;
    });
    return joined;
}

// The next occurrence of a marker at or after a position, searched for again only once the
// position has passed the one found last. The item reader asks for ever later positions, so a
// file whose items all run on to its end (no "/>") is still read in one pass, not once per item.
class ForwardFinder {
public:
    ForwardFinder(std::string_view text, std::string_view marker) : text_(text), marker_(marker) {}

    // The first occurrence at or after `from` that lies wholly before `end`, or npos.
    std::size_t next(std::size_t from, std::size_t end) {
        if (!searched_ || from < lastFrom_ || (found_ != std::string_view::npos && found_ < from)) {
            found_ = text_.find(marker_, from);
            searched_ = true;
        }
        lastFrom_ = from;
        return found_ != std::string_view::npos && found_ + marker_.size() <= end
                   ? found_
                   : std::string_view::npos;
    }

private:
    std::string_view text_;
    std::string_view marker_;
    std::size_t found_ = std::string_view::npos;
    std::size_t lastFrom_ = 0;
    bool searched_ = false;
};

// The text from `from` up to the next double quote before `end`, or up to `end`.
std::string_view quotedValue(std::string_view text, ForwardFinder& quotes, std::size_t from,
                             std::size_t end) {
    const std::size_t quote = quotes.next(from, end);
    return text.substr(from, (quote == std::string_view::npos ? end : quote) - from);
}

std::int32_t parseIntAt(std::string_view text, const std::filesystem::path& path,
                        std::size_t line) {
    try {
        return parseInt(text);
    } catch (const ConversionError& error) {
        rethrowWithLocation(error, pathToUtf8(path), line);
    }
}

TSchoolInfo parseClassifierLine(std::string_view line) {
    TSchoolInfo entry;
    std::size_t pos = 0;
    // The next part up to a space; the rest of the line when there is none.
    const auto nextPart = [&line, &pos](bool& separated) {
        const std::size_t space = line.find(' ', pos);
        separated = space != std::string_view::npos;
        const std::string_view part = line.substr(pos, separated ? space - pos : line.npos);
        pos = separated ? space + 1 : line.size();
        return part;
    };
    bool separated = false;
    entry.Code = parseInt(nextPart(separated));
    if (separated) {
        entry.InstitutionId = parseInt(nextPart(separated));
    }
    if (separated) {
        entry.ValidFrom = parseDate(nextPart(separated));
    }
    if (!separated) {
        throw ConversionError("Строка классификатора \"" + cp1251ToUtf8(line) +
                              "\" должна содержать код, номер учреждения, дату и название, "
                              "разделённые пробелами");
    }
    entry.Name = line.substr(pos);
    return entry;
}

std::string lineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

// The folder of the reference files as the user knows it, ending with its separator.
std::string folderText(const std::filesystem::path& filesDir) {
    std::string folder = pathToUtf8(filesDir);
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) {
        folder += static_cast<char>(std::filesystem::path::preferred_separator);
    }
    return folder;
}

// The message about a missing list file; the space before the closing quote belongs to it.
std::string missingFileMessage(const std::filesystem::path& filesDir, std::string_view baseName) {
    return "Отсутствует файл \"" + folderText(filesDir) + std::string(RefFilePrefix) +
           std::string(baseName) + " \"";
}

void requireFile(const std::filesystem::path& path, const std::string& message) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        throw MissingReferenceFile(message);
    }
}

} // namespace

std::filesystem::path referenceFilePath(const std::filesystem::path& filesDir,
                                        std::string_view baseName) {
    return filesDir / (std::string(RefFilePrefix) + std::string(baseName));
}

std::vector<std::string> readItemsFile(const std::filesystem::path& path) {
    const JoinedText joined = joinLines(path);
    const std::string_view text = joined.text;
    const std::size_t textEnd = text.size();
    ForwardFinder itemStarts(text, ItemStart);
    ForwardFinder emptyEnds(text, ItemEmptyEnd);
    ForwardFinder closeTags(text, ItemCloseTag);
    ForwardFinder ids(text, IdAttribute);
    ForwardFinder idQuotes(text, "\"");
    ForwardFinder nameAttributes(text, NameAttribute);
    ForwardFinder nameQuotes(text, "\"");
    std::vector<std::string> names;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = itemStarts.next(pos, textEnd);
        if (start == std::string_view::npos) {
            break;
        }
        // Drop the marker and the one character after it; the next search starts inside this
        // item, right there.
        pos = std::min(start + ItemStart.size() + 1, textEnd);
        const std::size_t end =
            std::min({emptyEnds.next(pos, textEnd), closeTags.next(pos, textEnd), textEnd});

        const std::size_t idAt = ids.next(pos, end);
        std::string_view idText;
        std::size_t afterId = end;
        if (idAt != std::string_view::npos) {
            idText = quotedValue(text, idQuotes, idAt + IdAttribute.size(), end);
            afterId = idAt + IdAttribute.size() + idText.size();
        }
        const std::size_t nameAt = nameAttributes.next(afterId, end);
        const std::string_view name =
            nameAt == std::string_view::npos
                ? std::string_view()
                : quotedValue(text, nameQuotes, nameAt + NameAttribute.size(), end);

        const std::size_t errorOffset = idAt == std::string_view::npos ? start : idAt;
        const std::int32_t id = parseIntAt(idText, path, joined.lineAt(errorOffset));
        if (id > LargestListCode || id < static_cast<std::int32_t>(names.size())) {
            continue;
        }
        names.resize(static_cast<std::size_t>(id) + 1);
        names[static_cast<std::size_t>(id)] = name;
    }
    return names;
}

std::vector<TSchoolInfo> readClassifierFile(const std::filesystem::path& path) {
    std::vector<TSchoolInfo> entries;
    forEachLine(path, [&](std::string_view line, std::size_t number) {
        if (number == 1 || line.empty()) {
            return;
        }
        try {
            entries.push_back(parseClassifierLine(line));
        } catch (const ConversionError& error) {
            rethrowWithLocation(error, pathToUtf8(path), number);
        }
    });
    return entries;
}

Attributes readAttributesFile(const std::filesystem::path& path) {
    const std::vector<std::string> lines = readLines(path);
    Attributes attributes;
    attributes.schoolCode = parseIntAt(lineOrEmpty(lines, 1), path, 2);
    attributes.year = std::max(parseIntAt(lineOrEmpty(lines, 3), path, 4), EarliestYear);
    return attributes;
}

void writeAttributesFile(const std::filesystem::path& path, const Attributes& attributes) {
    writeLinesAtomically(path, {
                                   utf8ToCp1251("<код учебного заведения по справочнику>"),
                                   std::to_string(attributes.schoolCode),
                                   utf8ToCp1251("<актуальная год выдачи документов>"),
                                   std::to_string(attributes.year),
                               });
}

ColumnVisibility readColumnsFile(const std::filesystem::path& path) {
    const std::string flags = lineOrEmpty(readLines(path), 1);
    ColumnVisibility visible{};
    for (std::size_t column = 0; column < visible.size(); ++column) {
        visible[column] = column < flags.size() && flags[column] == '1';
    }
    return visible;
}

LoadedReferences LoadReferences(ReferenceData& refs, const std::filesystem::path& filesDir) {
    const auto levels = referenceFilePath(filesDir, "levels.xml");
    requireFile(levels, missingFileMessage(filesDir, "levels.xml"));
    refs.LevelNames = CodeList(readItemsFile(levels));

    const auto types = referenceFilePath(filesDir, "types.xml");
    requireFile(types, missingFileMessage(filesDir, "types.xml"));
    refs.DocTypeNames = CodeList(readItemsFile(types));

    const auto schools = referenceFilePath(filesDir, "Schools.xml");
    requireFile(
        schools,
        "Внимание! Отсутствует справочник учебных заведений! Дальнейшая работа невозможна!!");
    refs.SchoolTable = Classifier(readClassifierFile(schools));

    LoadedReferences loaded;
    std::error_code error;
    const auto columns = referenceFilePath(filesDir, "Columns.xml");
    if (std::filesystem::exists(columns, error)) {
        loaded.columns = readColumnsFile(columns);
    }

    const auto attributesPath = referenceFilePath(filesDir, "Attrib.xml");
    if (std::filesystem::exists(attributesPath, error)) {
        const Attributes attributes = readAttributesFile(attributesPath);
        refs.AttribSchoolCode = attributes.schoolCode;
        refs.AttribYear = attributes.year;
        loaded.attributesFound = true;
    }
    return loaded;
}

} // namespace svidary
