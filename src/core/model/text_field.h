#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace finplan {

// Text of a fixed NUL-terminated field. A field read from a file may lack its NUL; the text
// then ends with the array, never past it.
template <std::size_t N>
std::string_view fieldText(const std::array<char, N>& field) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') {
        ++length;
    }
    return {field.data(), length};
}

// Stores text into a fixed field, cut to N - 1 characters, NUL-filled to the end.
template <std::size_t N>
void setFieldText(std::array<char, N>& field, std::string_view text) {
    const std::size_t length = text.size() < N ? text.size() : N - 1;
    for (std::size_t i = 0; i < N; ++i) {
        field[i] = i < length ? text[i] : '\0';
    }
}

template <std::size_t N>
std::array<char, N> makeField(std::string_view text) {
    std::array<char, N> field{};
    setFieldText(field, text);
    return field;
}

} // namespace finplan
