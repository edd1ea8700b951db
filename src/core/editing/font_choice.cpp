#include "editing/font_choice.h"

#include "editing/name_text.h"
#include "model/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace finplan {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr std::int32_t kNormalWeight = 400;
constexpr std::int32_t kBoldWeight = 700;
constexpr std::size_t kFaceBytes = 31;

} // namespace

PointRange pointRange(FontRole role) {
    switch (role) {
    case FontRole::Report:
        return {6, 78};
    case FontRole::ResultValue:
        return {8, 12};
    case FontRole::Folder:
        return {8, 14};
    }
    return {6, 78};
}

FontChoice fontChoiceOf(const PrintFont& font) {
    FontChoice choice;
    choice.face = utf8FromLatin1(fieldText(font.faceName));
    const long pixels = std::labs(static_cast<long>(font.height));
    choice.points =
        static_cast<int>(std::lround(static_cast<double>(pixels) * kPointsPerInch / kScreenDpi));
    choice.bold = font.weight >= kBoldWeight;
    choice.italic = font.italic != 0;
    choice.underline = font.underline != 0;
    choice.strikeOut = font.strikeOut != 0;
    return choice;
}

void storeFontChoice(Scenario& scenario, FontRole role, FontChoice choice) {
    const PointRange range = pointRange(role);
    choice.points = std::clamp(choice.points, range.min, range.max);
    PrintFont& font = scenario.fonts[static_cast<std::size_t>(role)];
    font.height = -static_cast<std::int32_t>(
        std::lround(static_cast<double>(choice.points) * kScreenDpi / kPointsPerInch));
    font.width = 0;
    font.weight = choice.bold ? kBoldWeight : kNormalWeight;
    font.italic = choice.italic ? 1 : 0;
    font.underline = choice.underline ? 1 : 0;
    font.strikeOut = choice.strikeOut ? 1 : 0;
    setFieldText(font.faceName, latin1Name(choice.face, kFaceBytes));
    if (role == FontRole::Folder) {
        scenario.prefs.fontScale = choice.points > 12 ? 2.0f : 0.5f;
    }
    scenario.modified = true;
}

} // namespace finplan
