#pragma once

#include <cstdarg>
#include <string>

namespace finplan {

// printf into a std::string of whatever length the result needs. Arguments follow C's rules:
// pass floats as they are (they are promoted to double) and strings as const char*.
// Not named `format` so that argument-dependent lookup never prefers std::format.
std::string formatText(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The va_list twin of formatText, for wrappers of their own.
std::string formatTextV(const char* fmt, std::va_list args) __attribute__((format(printf, 1, 0)));

} // namespace finplan
