#pragma once
// The one pair of conversions between the core's Windows-1252 text and Qt's QString.

#include <QString>
#include <string>
#include <string_view>

namespace kesto::gui {

QString ToQString(std::string_view windows1252);
// A character Windows-1252 cannot hold becomes "?".
std::string FromQString(const QString& text);

}  // namespace kesto::gui
