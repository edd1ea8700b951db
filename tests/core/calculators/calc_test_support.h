#pragma once

#include "calculators/calc_fields.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace finplan::test {

inline std::filesystem::path calculatorData(const std::string& name) {
    return testData("calculators/" + name);
}

// The refusal a result holds, as "field|TITLE|text".
inline std::string refusalOf(const CalcResult& result) {
    if (!result.refusal) {
        return "accepted";
    }
    return result.refusal->field + "|" + result.refusal->title + "|" + result.refusal->text;
}

inline KeyValues outputsOf(const CalcResult& result) {
    KeyValues out;
    for (const OutputField& field : result.outputs) {
        out.emplace_back(field.key, field.text);
    }
    return out;
}

// A refused case naming an icon shows it, and a refusal leaves no outputs.
inline void expectIcon(const CalcResult& result, const CaseLine& c) {
    if (result.refusal) {
        EXPECT_TRUE(result.outputs.empty());
    }
    if (c.expected.size() > 1) {
        ASSERT_TRUE(result.refusal);
        EXPECT_EQ(result.refusal->icon,
                  c.answer("icon") == "stop" ? MessageIcon::Stop : MessageIcon::Exclamation);
    }
}

} // namespace finplan::test
