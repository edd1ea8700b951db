#pragma once

#include <string>
#include <string_view>

namespace finplan {

// Money and rate texts. Every amount is printed with a fixed-point format first and then
// turned into a dollar text here; the number is never parsed back.
//
// Texts that printf makes for NaN and infinity carry no digits: compactNumber cuts them to
// nothing ("nan", "inf") or to a lone "-" ("-nan", "-inf"), so such an amount shows as "$" or
// "$-" and a rate as "%" after its label. Huge amounts simply give long texts: 1e20f printed
// with "%-13.2f" becomes "$100,000,002,004,087,734,272.00".

// Removes every blank, then cuts the text at the first character that is not a digit, '.',
// '-' or '$'.
void compactNumber(std::string& text);

// Turns a fixed-point text with cents ("%-13.2f" and the like) into "$" plus the number with
// a ',' every three digits left of the '.'; a '-' stays right after the '$'. A text without
// a '.' only gets the '$' in front.
void formatMoney(std::string& text);

// The whole-number twin of formatMoney, for texts printed with "%ld": commas are counted
// from the end of the text. With leadingBlank the result starts with one blank.
void insertThousands(std::string& text, bool leadingBlank);

// The label, then the rate printed with "%-7.2f" and compacted, then "%":
// ("     Tax Rate = ", 15) gives "     Tax Rate = 15.00%".
std::string formatRateLine(std::string_view label, float rate);

// The money text of an amount: "%-13.2f" passed through formatMoney.
std::string moneyText(float amount);

} // namespace finplan
