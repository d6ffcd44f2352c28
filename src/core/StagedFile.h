#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

// A file written beside its target under a temporary name and renamed over the target only on
// commit(), so the target is never left half-written. Lines end with CR LF. A staged file that
// is not committed is removed when the object goes.
namespace svidary {

class StagedFile {
public:
    // Creates the temporary file in the target's folder; throws IoError when it cannot.
    explicit StagedFile(std::filesystem::path target);
    ~StagedFile();

    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    const std::filesystem::path& target() const { return target_; }

    // Throws IoError when the bytes cannot be written (a full disk, for instance).
    void writeLine(std::string_view line);
    // Flushes and closes the temporary file; throws IoError on failure.
    void finish();
    // Finishes, then renames the temporary file over the target; throws IoError on failure, and the
    // target is then unchanged.
    void commit();

private:
    [[noreturn]] void fail(const char* what);
    void closeQuietly();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

} // namespace svidary
