#pragma once

#include <string>

namespace finplan {

// Where the last drawing put a plot, in device pixels, and the axis it used; kept so that
// clicks can be turned back into years and values.
struct PlotGeometry {
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    int columnWidth = 0;
    int gridStep = 0;
    float span = 0.0f;
    float min = 0.0f;
    float max = 0.0f;

    // The plot's columns and rows: left edge and top edge inside, right edge outside, the
    // bottom row (the axis) inside.
    bool contains(int x, int y) const {
        return x >= left && x < left + width && y <= bottom && y >= bottom - height;
    }
};

// The year index whose column holds x: (x + column width - left) / column width
// + startIndex - 1 in C's integer division. A plot never drawn gives startIndex.
int columnAt(const PlotGeometry& plot, int x, int startIndex);

// The value at height y: (bottom - y) / height x span + min.
float valueAt(const PlotGeometry& plot, int y);

// The height of a value: bottom - (value - min) / span x height, cut toward zero.
int valueY(const PlotGeometry& plot, float value);

// The value readout: the money text, with the "-" in front of the "$" for a negative value.
std::string readoutText(float value);

} // namespace finplan
