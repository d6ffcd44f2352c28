#include "QtText.h"

#include "core/Cp1251.h"

#include <QList>

QString toQt(std::string_view cp1251) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1251.size()));
    for (const char c : cp1251) {
        text.append(
            QChar(static_cast<char16_t>(svidary::cp1251ToUnicode(static_cast<unsigned char>(c)))));
    }
    return text;
}

std::string fromQt(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4()) {
        const auto byte = svidary::unicodeToCp1251(codePoint);
        bytes.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return bytes;
}

QString pathToQt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path pathFromQt(const QString& path) {
    return std::filesystem::path(path.toStdString());
}
