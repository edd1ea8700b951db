#pragma once

#include <string>

namespace finplan {

// Appends `value` exactly as printf's "%<width>.<precision>f" would ("%-<width>.<precision>f"
// with leftAlign), without printf's cost: runs print tens of thousands of amounts.
void appendFixed(std::string& out, double value, int precision, int width = 0,
                 bool leftAlign = false);

// The same for a float, much faster: a float times 10 or 100 is exact in a double, so the
// rounding to one or two decimals needs no long arithmetic.
void appendFixed(std::string& out, float value, int precision, int width = 0,
                 bool leftAlign = false);

inline std::string fixedText(double value, int precision, int width = 0, bool leftAlign = false) {
    std::string text;
    appendFixed(text, value, precision, width, leftAlign);
    return text;
}

} // namespace finplan
