#include "skin/qt_text.h"

#include <QFile>
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

#ifdef _WIN32
QString PathToQt(const std::filesystem::path& path) { return QString::fromStdWString(path.native()); }
std::filesystem::path PathFromQt(const QString& path) { return std::filesystem::path(path.toStdWString()); }
#else
QString PathToQt(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }
std::filesystem::path PathFromQt(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }
#endif

}  // namespace sced
