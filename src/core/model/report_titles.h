#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

// Three alternative report titles and their switches.
struct ReportTitles {
    static constexpr std::size_t kSize = 246;

    std::array<char, 60> title1{};
    std::array<char, 60> title2{};
    std::array<char, 60> title3{};
    std::uint16_t useTitle1 = 0;
    std::uint16_t useTitle2 = 0;
    std::uint16_t useTitle3 = 0;
    std::array<std::uint8_t, 60> reserved186{};

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.title1);
        io(r.title2);
        io(r.title3);
        io(r.useTitle1);
        io(r.useTitle2);
        io(r.useTitle3);
        io(r.reserved186);
    }
};

} // namespace finplan
