#pragma once

#include "calculators/calc_fields.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace finplan::test {

inline std::filesystem::path calculatorData(const std::string& name) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / "tests" / "data" /
           "calculators" / name;
}

// The refusal a result holds, as "field|TITLE|text".
inline std::string refusalOf(const CalcResult& result) {
    if (!result.refusal) {
        return "accepted";
    }
    return result.refusal->field + "|" + result.refusal->title + "|" + result.refusal->text;
}

} // namespace finplan::test
