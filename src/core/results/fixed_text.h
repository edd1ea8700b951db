#pragma once

#include <string>

namespace finplan {

// Appends `value` exactly as printf's "%<width>.<precision>f" would ("%-<width>.<precision>f"
// with leftAlign), without printf's cost: runs print tens of thousands of amounts.
void appendFixed(std::string& out, double value, int precision, int width = 0,
                 bool leftAlign = false);

inline std::string fixedText(double value, int precision, int width = 0, bool leftAlign = false) {
    std::string text;
    appendFixed(text, value, precision, width, leftAlign);
    return text;
}

} // namespace finplan
