#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <iomanip>
#include <type_traits>

namespace finplan::test {

// An integer, float or enum value as a double, which holds each of them exactly.
template <class Value>
double numberOf(Value value) {
    if constexpr (std::is_enum_v<Value>) {
        return static_cast<double>(static_cast<std::underlying_type_t<Value>>(value));
    } else {
        return static_cast<double>(value);
    }
}

// One number of a record: its name for the failure message, its value and the value it must
// have.
struct FieldCheck {
    template <class Actual, class Expected>
    FieldCheck(const char* fieldName, Actual value, Expected wanted)
        : name(fieldName)
        , actual(numberOf(value))
        , expected(numberOf(wanted)) {}

    const char* name;
    double actual;
    double expected;
};

// A field of a record and the value it must have, named by its expression.
#define FIELD_IS(actual, expected) ::finplan::test::FieldCheck(#actual, actual, expected)

// Checks a table of fields exactly, naming each one that differs:
//
//   expectFields({FIELD_IS(event.type, 6), FIELD_IS(event.amount, 2500.75f)});
inline void expectFields(std::initializer_list<FieldCheck> checks) {
    for (const FieldCheck& check : checks) {
        EXPECT_EQ(check.actual, check.expected)
            << check.name << ": " << std::setprecision(17) << check.actual;
    }
}

} // namespace finplan::test
