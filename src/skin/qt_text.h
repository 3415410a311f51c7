#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The only crossing between the model's code page 1251 bytes and Qt's
// Unicode texts.
QString ToQt(std::string_view cp1251);
// Nothing when a character of the text has no code page 1251 byte.
std::optional<std::string> FromQt(const QString& text);

}  // namespace sced
