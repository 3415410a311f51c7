#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The only crossing between the model's code page 1251 bytes and Qt's
// Unicode texts.
QString ToQt(std::string_view cp1251);
// Nothing when a character of the text has no code page 1251 byte.
std::optional<std::string> FromQt(const QString& text);

// A path as Qt's file functions name it, and back: UTF-16 on Windows, the
// bytes of the file system elsewhere.
QString PathToQt(const std::filesystem::path& path);
std::filesystem::path PathFromQt(const QString& path);

}  // namespace sced
