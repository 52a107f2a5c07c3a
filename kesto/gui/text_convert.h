#pragma once
// The one pair of conversions between the core's Windows-1252 text and Qt's QString, and the
// two that keep file names the system's bytes.

#include <QString>
#include <string>
#include <string_view>

namespace kesto::gui {

QString ToQString(std::string_view windows1252);
// A character Windows-1252 cannot hold becomes "?".
std::string FromQString(const QString& text);

// A message that may name files (MessageToUtf8, kesto/platform/text_encoding.h).
QString MessageToQString(std::string_view message);

// File and folder names: the bytes the file system takes (UTF-8), whatever characters they
// hold. A stored name that is not UTF-8 is read as Windows-1252.
QString FileNameToQString(const std::string& name);
std::string FileNameFromQString(const QString& name);

}  // namespace kesto::gui
