#include "framework/Text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fw {

std::string Str(double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.7g", value);
  return buffer;
}

double Val(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
      i = j;
    }
  }
  return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

std::string Chr(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

int InStr(const std::string& text, const std::string& find) { return InStr(1, text, find); }

int InStr(int start, const std::string& text, const std::string& find) {
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start - 1) > text.size()) return 0;
  std::size_t at = text.find(find, static_cast<std::size_t>(start - 1));
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Left(const std::string& text, int count) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<std::size_t>(count));
}

std::string Right(const std::string& text, int count) {
  if (count <= 0) return {};
  if (static_cast<std::size_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<std::size_t>(count));
}

int Len(const std::string& text) { return static_cast<int>(text.size()); }

}  // namespace fw
