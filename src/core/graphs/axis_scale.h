#pragma once

namespace finplan {

// The value axis: ten grid intervals of `step` from `min` up to min + span.
struct AxisScale {
    float min = 0.0f;
    float step = 0.0f;
    float span = 0.0f;

    float top() const { return min + span; }
};

// The axis of an unzoomed graph whose values lie between min and max (min <= 0 <= max as
// the series range gives them): round steps, a grid line on zero, single precision
// throughout so the labels match to the cent.
AxisScale autoScale(float min, float max);

// The axis of a zoomed graph: from 0 up to the top value the user marked.
AxisScale zoomScale(float top);

} // namespace finplan
