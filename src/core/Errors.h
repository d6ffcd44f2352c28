#pragma once

#include <stdexcept>
#include <string>

namespace svidary {

// Every error meant for the user. what() is UTF-8 text, ready to be shown as it is.
class SvidaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened, read, written, renamed or removed.
class IoError : public SvidaryError {
public:
    using SvidaryError::SvidaryError;
};

// A text that must be an integer or a date is not one:
// "'TEXT' is not a valid integer value" / "'TEXT' is not a valid date".
class ConversionError : public SvidaryError {
public:
    using SvidaryError::SvidaryError;
};

// Input that breaks the rules of its format in any other way.
class BadInputError : public SvidaryError {
public:
    using SvidaryError::SvidaryError;
};

// A reference file without which the program cannot work (levels, types, classifier).
// The program shows the message and ends with exit code 0.
class MissingReferenceFile : public SvidaryError {
public:
    using SvidaryError::SvidaryError;
};

// Adds where a conversion error came from: "MESSAGE (файл \"PATH\", строка N)".
// The path is given in UTF-8; line counts from 1.
[[noreturn]] void rethrowWithLocation(const ConversionError& error, const std::string& utf8Path,
                                      std::size_t line);

} // namespace svidary
