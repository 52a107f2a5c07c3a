#include "kesto/gui/text_convert.h"

#include <QFile>

#include "kesto/platform/text_encoding.h"

namespace kesto::gui {

namespace {

QString FromUtf8(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QString ToQString(std::string_view windows1252) {
    return FromUtf8(Windows1252ToUtf8(windows1252));
}

std::string FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToWindows1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString MessageToQString(std::string_view message) {
    return FromUtf8(MessageToUtf8(message));
}

QString FileNameToQString(const std::string& name) {
    // Qt reaches only names that are UTF-8; bytes that are not UTF-8 are read as the
    // Windows-1252 an earlier Kesto stored folder names in.
    return MessageToQString(name);
}

std::string FileNameFromQString(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

}  // namespace kesto::gui
