#pragma once

#include <array>
#include <string>
#include <string_view>

// One register record: sixteen fields joined by the character 15.
namespace svidary {

inline constexpr char FieldSeparator = '\x0F';
inline constexpr int FieldCount = 16;

// Zero-based positions of the fields in a record.
enum FieldIndex : int {
    RegNum,
    Level,
    DocType,
    F,
    I,
    O,
    Start,
    Stop,
    Create,
    Ser,
    Num,
    Pasp,
    Spec,
    Spz,
    Kw,
    School
};

using RecordFields = std::array<std::string, FieldCount>;

// Missing trailing fields stay empty. Text after the fifteenth separator, separators included,
// all stays in the last field, so nothing is dropped.
RecordFields SplitRecord(std::string_view line);

std::string JoinRecord(const RecordFields& fields);

// Removes "/", "\"", "!", ":", a space before "," or ".", runs of spaces and one leading and one
// trailing space; with capitalise, lowers the text and raises its first letter. "" and "-" stay.
std::string CleanField(std::string_view value, bool capitalise);

// The file name without folder and without anything from its first "."; "/", "\\" and ":" end
// the folder part. "D:\\reg\\spring.old.diplom" gives "spring"; a name without "." gives "".
std::string FileBaseName(std::string_view path);

// The file name's text from its last "." on, the "." included; "" for a name without ".". A name
// that is only an extension has it: ".diplom" gives ".diplom".
std::string FileExtension(std::string_view path);

// Whether the file name's extension is the given one (".diplom"), letter case ignored.
bool HasFileExtension(std::string_view path, std::string_view extension);

} // namespace svidary
