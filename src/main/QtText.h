#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

// The boundary between the core's Windows-1251 bytes and Qt's Unicode.
QString toQt(std::string_view cp1251);

// Characters that Windows-1251 cannot hold become "?".
std::string fromQt(const QString& text);

QString pathToQt(const std::filesystem::path& path);
std::filesystem::path pathFromQt(const QString& path);
