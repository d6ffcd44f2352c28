#include "Record.h"
#include "RecordView.h"

#include "TextCase.h"

namespace svidary {

namespace {

// Removes every character c.
void removeAll(std::string& text, char c) {
    std::erase(text, c);
}

// Removes every run of spaces that stands right before the character c: deleting the space of
// " c" until none is left does exactly that.
void removeSpacesBefore(std::string& text, char c) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] != ' ') {
            out += text[pos++];
            continue;
        }
        const std::size_t runEnd = text.find_first_not_of(' ', pos);
        if (runEnd == std::string::npos || text[runEnd] != c) {
            out.append(text, pos, (runEnd == std::string::npos ? text.size() : runEnd) - pos);
        }
        pos = runEnd == std::string::npos ? text.size() : runEnd;
    }
    text = std::move(out);
}

// Shrinks every run of spaces to one space.
void collapseSpaces(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' || out.empty() || out.back() != ' ') {
            out += c;
        }
    }
    text = std::move(out);
}

// The file-name part of a path: the text after the last "/", "\\" or ":".
std::string_view fileNameOf(std::string_view path) {
    const std::size_t folderEnd = path.find_last_of("/\\:");
    return folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
}

} // namespace

RecordFields SplitRecord(std::string_view line) {
    const RecordFieldViews views = SplitRecordView(line);
    RecordFields fields;
    for (int field = 0; field < FieldCount; ++field) {
        fields[field] = views[field];
    }
    return fields;
}

std::string JoinRecord(const RecordFields& fields) {
    std::size_t length = FieldCount - 1;
    for (const auto& field : fields) {
        length += field.size();
    }
    std::string line;
    line.reserve(length);
    for (int field = 0; field < FieldCount; ++field) {
        if (field > 0) {
            line += FieldSeparator;
        }
        line += fields[field];
    }
    return line;
}

std::string CleanField(std::string_view value, bool capitalise) {
    std::string text(value);
    if (text.empty() || text == "-") {
        return text;
    }
    for (const char c : {'/', '"', '!', ':'}) {
        removeAll(text, c);
    }
    removeSpacesBefore(text, ',');
    removeSpacesBefore(text, '.');
    collapseSpaces(text);
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    if (capitalise) {
        text = capitalised(text);
    }
    return text;
}

std::string FileBaseName(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const std::size_t dot = name.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot));
}

std::string FileExtension(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

bool HasFileExtension(std::string_view path, std::string_view extension) {
    return equalsIgnoreCase(FileExtension(path), extension);
}

} // namespace svidary
