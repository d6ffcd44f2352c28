#include "StagedFile.h"

#include "Errors.h"
#include "TextFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <system_error>

namespace svidary {

namespace {

constexpr std::size_t WriteBufferSize = 1 << 20;

std::FILE* openExclusive(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

std::string quoted(const std::filesystem::path& path) {
    return "\"" + pathToUtf8(path) + "\"";
}

} // namespace

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    const auto nonce = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
        std::filesystem::path candidate = target_;
        candidate += ".";
        candidate += std::to_string(nonce + static_cast<unsigned long long>(attempt));
        candidate += ".tmp";
        file_ = openExclusive(candidate);
        if (file_ != nullptr) {
            temporary_ = candidate;
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (file_ == nullptr) {
        throw IoError("Не удалось создать файл в папке " + quoted(target_.parent_path()) + ": " +
                      std::strerror(errno));
    }
    std::setvbuf(file_, nullptr, _IOFBF, WriteBufferSize);
}

StagedFile::~StagedFile() {
    closeQuietly();
    if (!committed_ && !temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void StagedFile::writeLine(std::string_view line) {
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
        std::fwrite("\r\n", 1, 2, file_) != 2) {
        fail("Не удалось записать файл ");
    }
}

void StagedFile::finish() {
    if (file_ == nullptr) {
        return;
    }
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) {
        fail("Не удалось записать файл ");
    }
}

void StagedFile::commit() {
    finish();
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        throw IoError("Не удалось записать файл " + quoted(target_) + ": " + error.message());
    }
    committed_ = true;
}

void StagedFile::fail(const char* what) {
    const int code = errno;
    closeQuietly();
    throw IoError(what + quoted(target_) + ": " + std::strerror(code));
}

void StagedFile::closeQuietly() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

} // namespace svidary
