#include "gui/shell/banding.h"

namespace finplan::gui {

QColor bandColor(BandingVariant variant) {
    switch (variant) {
    case BandingVariant::Standard:
        return {0xE8, 0xF0, 0xF8};
    case BandingVariant::Lighter:
        return {0xF3, 0xF7, 0xFB};
    case BandingVariant::Gray:
        return {0xEA, 0xEA, 0xEA};
    case BandingVariant::DarkYellow:
        return {0xF2, 0xE6, 0xB0};
    }
    return {0xE8, 0xF0, 0xF8};
}

QColor selectionColor() {
    return {0x1F, 0x4E, 0x8C};
}

} // namespace finplan::gui
