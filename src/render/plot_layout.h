#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace finplan::render {

// The sizes of the graph font on its device, in device pixels.
struct TextMetrics {
    int lineHeight = 0; // text height and the font's external leading
    int charWidth = 0;  // average character width
    int textHeight = 0;
    int ascent = 0;
};

// An area of the device; right and bottom are the first pixels outside it.
struct FrameRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Where a time-series graph stands: alone in the graph area or on a printed page, or as one
// graph of the four-graph view or of the printed four-graph page.
enum class PlotPlacement { Single, FourGraph };

// A bar's full depth in column widths.
inline constexpr float kDepthFactor = 1.3f;

struct PlotLayoutInput {
    FrameRect frame;
    TextMetrics text;
    int tick = 4;
    int labelWidth = 0; // the widest value label in pixels
    int yearCount = 1;  // visible years
    bool bars3D = false;
    PlotPlacement placement = PlotPlacement::Single;
};

// The plot of a time-series graph: ten grid steps high, a whole number of columns wide.
struct PlotLayout {
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    int gridStep = 0;
    int columnWidth = 0;
    int reserve3D = 0; // room kept right of and above a single 3-D graph for the depth
    int depth = 0;     // how far the back wall stands right of and above the front (3-D)

    int top() const { return bottom - height; }
    int right() const { return left + width; }
};

PlotLayout layoutPlot(const PlotLayoutInput& input);

// How many grid steps lie between two value labels: the labels of ten steps must fit the
// plot's height, then of five, of two, of one.
int valueLabelStride(int lineHeight, int plotHeight);

// How many years lie between two age labels: 1, 3, 5, ... until three characters a label fit.
int ageLabelStride(int yearCount, int charWidth, int plotWidth);

// A value label: the money text of the value without its cents ("$20,000", "-$5,000", "0").
std::string valueLabel(float value);

// An age label: the whole age.
std::string ageLabel(int age);

// The order a column's bars are drawn in: largest absolute value first, so that smaller bars
// stand in front. Bubble sort in which equal neighbours change places.
std::vector<std::size_t> barOrder(const std::vector<float>& values);

// The 3-D offsets of the bar drawn k-th of n in a column of the given width: the largest bar
// stands at the back.
struct BarDepth {
    int offset = 0;
    int unit = 0;
};
BarDepth barDepth(std::size_t k, std::size_t n, int columnWidth);

} // namespace finplan::render
