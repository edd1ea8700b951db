#include "render/plot_layout.h"

#include "results/money_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace finplan::render {

namespace {

constexpr int kEmptyLabelWidth = 15;
constexpr int kMaxReserveSteps = 40;

// Pixels between the frame's left edge and the widest label.
constexpr int kLabelMargin = 8;

struct Heights {
    int lines;  // line heights the frame gives up to captions, labels and legend
    int bottom; // line heights from the frame bottom up to the plot bottom
};

Heights heights(PlotPlacement placement, bool bars3D) {
    if (placement == PlotPlacement::FourGraph) {
        return {4, 3};
    }
    return bars3D ? Heights{7, 5} : Heights{8, 6};
}

} // namespace

PlotLayout layoutPlot(const PlotLayoutInput& in) {
    const FrameRect& f = in.frame;
    const int lh = in.text.lineHeight;
    const int cw = in.text.charWidth;
    const int years = std::max(in.yearCount, 1);
    PlotLayout plot;

    // The labels end a tick and a small gap left of the axis.
    const int labels = in.labelWidth == 0 ? kEmptyLabelWidth : in.labelWidth;
    plot.left = f.left + labels + in.tick + cw + kLabelMargin;

    auto columns = [&](int reserve) {
        const int room = std::max(f.right - plot.left - 2 * cw - reserve, 0);
        plot.columnWidth = room / years;
        plot.width = plot.columnWidth * years;
    };
    columns(0);
    const bool reserves = in.bars3D && in.placement == PlotPlacement::Single;
    if (reserves) {
        for (int step = 0; step < kMaxReserveSteps; ++step) {
            const float backRight = static_cast<float>(plot.left + plot.width) +
                                    kDepthFactor * static_cast<float>(plot.columnWidth);
            if (backRight < static_cast<float>(f.right - 2 * cw)) {
                break;
            }
            plot.reserve3D += cw;
            columns(plot.reserve3D);
        }
    }

    const Heights h = heights(in.placement, in.bars3D);
    const int height = std::max(f.height() - h.lines * lh - plot.reserve3D, 0);
    plot.gridStep = height / 10;
    plot.height = plot.gridStep * 10;
    plot.bottom = f.bottom - h.bottom * lh;
    if (in.bars3D) {
        plot.depth = static_cast<int>(kDepthFactor * static_cast<float>(plot.columnWidth));
    }
    return plot;
}

int valueLabelStride(int lineHeight, int plotHeight) {
    int stride = 1;
    for (int k = 10; k > 0 && k * lineHeight > plotHeight; k /= 2) {
        ++stride;
    }
    return stride;
}

int ageLabelStride(int yearCount, int charWidth, int plotWidth) {
    int stride = 1;
    for (int n = yearCount; n > 0 && n * charWidth * 3 > plotWidth; n /= 2) {
        stride += 2;
    }
    return stride;
}

std::string valueLabel(float value) {
    const float magnitude = std::fabs(value);
    std::string text = formatText("%.2f", static_cast<double>(magnitude));
    if (text == "0.00") {
        return "0"; // also for the rounding dust a step walk leaves near zero
    }
    formatMoney(text);
    if (value < 0.0f) {
        text.insert(text.begin(), '-');
    }
    text.resize(text.size() > 3 ? text.size() - 3 : 0);
    return text;
}

std::string ageLabel(int age) {
    return formatText("%d", age);
}

std::vector<std::size_t> barOrder(const std::vector<float>& values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const std::size_t n = order.size();
    for (std::size_t pass = 0; pass + 1 < n; ++pass) {
        for (std::size_t i = 0; i + 1 < n - pass; ++i) {
            if (std::fabs(values[order[i]]) <= std::fabs(values[order[i + 1]])) {
                std::swap(order[i], order[i + 1]);
            }
        }
    }
    return order;
}

BarDepth barDepth(std::size_t k, std::size_t n, int columnWidth) {
    if (n == 0) {
        return {};
    }
    const float count = static_cast<float>(n);
    const float column = static_cast<float>(columnWidth);
    const float behind = static_cast<float>(n - k - 1);
    return {static_cast<int>(behind * kDepthFactor / count * column),
            static_cast<int>(kDepthFactor / count * column)};
}

} // namespace finplan::render
