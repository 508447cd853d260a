#pragma once

#include <string>

// Text helpers. Strings are byte strings: one character is one byte, which is
// what the network line protocol counts in. Positions are 1-based.
namespace fw {

// The decimal text of a number: whole numbers without a fraction ("4", "-3").
std::string Str(double value);
// The leading decimal number of the text (after leading spaces), stopping at
// the first character that cannot continue it; 0 when there is none.
double Val(const std::string& text);
// The one-character string of the character code (0..255).
std::string Chr(int code);
// The 1-based position of the first find in text at or after start, 0 if
// absent. An empty find is found at start.
int InStr(const std::string& text, const std::string& find);
int InStr(int start, const std::string& text, const std::string& find);
// The first / last count characters (all of them when count exceeds the
// length, none when count is 0 or less).
std::string Left(const std::string& text, int count);
std::string Right(const std::string& text, int count);
int Len(const std::string& text);

namespace EndOfLine {
// Carriage return, character 13.
inline const std::string Macintosh = "\r";
}  // namespace EndOfLine

}  // namespace fw
