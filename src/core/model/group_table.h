#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

inline constexpr int kGroupCount = 10;

// Random-rate distributions of `randomDistribution`.
enum class RandomDistribution : std::int16_t {
    GaussianRange = 0,
    Uniform = 1,
    GaussianStandard = 2,
};

// Ten account groups with their random-rate ranges, and the random-rate settings.
struct GroupTable {
    static constexpr std::size_t kSize = 740;

    std::array<std::array<char, 21>, kGroupCount> groupNames{};
    std::array<float, kGroupCount> groupRandomMin{};
    std::array<float, kGroupCount> groupRandomMax{};
    std::array<std::uint8_t, 166> reserved290{};
    std::int16_t randomDistribution = 0;
    std::array<std::uint8_t, 2> reserved458{};
    std::int16_t rangeSpreadFactor = 0;
    std::int16_t stdSpreadFactor = 0;
    std::array<std::uint8_t, 276> reserved464{};

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.groupNames);
        io(r.groupRandomMin);
        io(r.groupRandomMax);
        io(r.reserved290);
        io(r.randomDistribution);
        io(r.reserved458);
        io(r.rangeSpreadFactor);
        io(r.stdSpreadFactor);
        io(r.reserved464);
    }
};

} // namespace finplan
