#pragma once

#include <cstddef>
#include <cstdint>

namespace finplan {

// Ages, rates, birth date, derived account totals and the event count of a scenario.
struct ScenarioHeader {
    static constexpr std::size_t kSize = 80;

    std::int16_t eventCount = 0;
    float reserved2 = 0.0f;
    float initialInvestmentSavings = 0.0f;
    float initialTaxFreeSavings = 0.0f;
    float initialRetirementSavings = 0.0f;
    float initialEquity = 0.0f;
    float initialAssets = 0.0f;
    float startAge = 30.0f;
    float endAge = 84.0f;
    std::uint16_t useBirthday = 0;
    float inflationRate = 4.0f;
    float avgEquityRate = 0.0f;
    float avgAssetRate = 0.0f;
    float taxRate = 15.0f;
    float reserved52 = 3.0f;
    float avgInvestmentRate = 9.0f;
    float avgTaxFreeRate = 6.0f;
    float avgRetirementRate = 9.0f;
    float defaultPenaltyAge = 59.0f;
    float defaultPenaltyRate = 10.0f;
    std::int16_t birthMonth = 0;
    std::int16_t birthDay = 0;

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.eventCount);
        io(r.reserved2);
        io(r.initialInvestmentSavings);
        io(r.initialTaxFreeSavings);
        io(r.initialRetirementSavings);
        io(r.initialEquity);
        io(r.initialAssets);
        io(r.startAge);
        io(r.endAge);
        io(r.useBirthday);
        io(r.inflationRate);
        io(r.avgEquityRate);
        io(r.avgAssetRate);
        io(r.taxRate);
        io(r.reserved52);
        io(r.avgInvestmentRate);
        io(r.avgTaxFreeRate);
        io(r.avgRetirementRate);
        io(r.defaultPenaltyAge);
        io(r.defaultPenaltyRate);
        io(r.birthMonth);
        io(r.birthDay);
    }
};

} // namespace finplan
