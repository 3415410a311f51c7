#include "skin/qt_text.h"

#include <QList>

#include "core/code_page.h"

namespace sced {

QString ToQt(std::string_view cp1251) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1251.size()));
    for (char byte : cp1251) text += QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::optional<std::string> FromQt(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t character : text.toUcs4()) {
        std::optional<char> byte = UnicodeToCp1251(character);
        if (!byte) return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

}  // namespace sced
