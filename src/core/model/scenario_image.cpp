#include "model/scenario_image.h"

#include <algorithm>

namespace finplan {

namespace {

template <class R>
void append(std::vector<Byte>& out, const R& record) {
    const auto bytes = encodeRecord(record);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void appendShortBlocks(std::vector<Byte>& out, const Scenario& scenario) {
    append(out, scenario.header);
    const int count = std::clamp<int>(scenario.header.eventCount, 0, kMaxEvents);
    for (int i = 0; i < count; ++i) {
        append(out, scenario.events[static_cast<std::size_t>(i)]);
    }
    append(out, scenario.accounts);
}

} // namespace

std::vector<Byte> encodeShortScenarioImage(const Scenario& scenario) {
    std::vector<Byte> out;
    out.reserve(kShortScenarioFixedBytes + EventRecord::kSize * kMaxEvents);
    appendShortBlocks(out, scenario);
    return out;
}

std::vector<Byte> encodeScenarioImage(const Scenario& scenario) {
    std::vector<Byte> out;
    out.reserve(kScenarioFixedBytes + EventRecord::kSize * kMaxEvents);
    appendShortBlocks(out, scenario);
    append(out, scenario.groups);
    append(out, scenario.titles);
    append(out, scenario.slots);
    for (const auto& font : scenario.fonts) {
        append(out, font);
    }
    append(out, scenario.prefs);
    for (const auto& budget : scenario.budgets) {
        append(out, budget);
    }
    return out;
}

} // namespace finplan
