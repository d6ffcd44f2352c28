#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the program's text files. Readers accept CR LF, LF and a lone CR as line
// ends; writers always write CR LF. Files are read in chunks, never whole, so a register of a
// million records does not need a second copy of itself in memory.
namespace svidary {

// Calls onLine for every line with its number counted from 1, without the line end.
// A final line without a line end counts; an empty file has no lines.
// Throws IoError when the file cannot be opened or read.
void forEachLine(const std::filesystem::path& path,
                 const std::function<void(std::string_view line, std::size_t number)>& onLine);

// The same, also calling onBytesRead with the number of bytes read so far after each chunk, so
// that long reads can report progress.
void forEachLine(const std::filesystem::path& path,
                 const std::function<void(std::string_view line, std::size_t number)>& onLine,
                 const std::function<void(std::uintmax_t bytesRead)>& onBytesRead);

std::vector<std::string> readLines(const std::filesystem::path& path);

// Writes the lines, each ended by CR LF, to a temporary file in the target's folder and renames
// it over the target only when everything was written. On failure the target is unchanged and
// IoError is thrown.
void writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines);

// The path as UTF-8 text for messages and reports.
std::string pathToUtf8(const std::filesystem::path& path);

} // namespace svidary
