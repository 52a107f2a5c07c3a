#include "kesto/gui/text_convert.h"

#include "kesto/platform/text_encoding.h"

namespace kesto::gui {

QString ToQString(std::string_view windows1252) {
    const std::string utf8 = Windows1252ToUtf8(windows1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToWindows1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace kesto::gui
