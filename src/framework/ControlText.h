#pragma once

#include <QFont>
#include <QString>
#include <string>

// How the controls show the program's text. The program's strings are byte
// strings; text that is valid UTF-8 is shown as such, anything else one byte
// to one character (Latin-1), so that no byte is ever lost on the way to the
// screen.
namespace fw::detail {

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// The control font: the system's family at size pixels (0: the framework's
// default size), so that a control's text fits the same box on every screen.
QFont ControlFont(int size, bool bold = false, bool italic = false, bool underline = false);

// The framework's default control text size, in pixels.
inline constexpr int kDefaultControlTextSize = 13;

}  // namespace fw::detail
