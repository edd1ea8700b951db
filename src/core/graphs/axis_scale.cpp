#include "graphs/axis_scale.h"

#include <cmath>

namespace finplan {

namespace {

constexpr int kMaxDecades = 64;

// 10 to the power n - 1, and 1 for n <= 1. Built in double, where powers of ten are exact
// far beyond float's range, so the float gets the nearest value.
float powerBelow(int n) {
    double p = 1.0;
    for (int i = 1; i < n; ++i) {
        p *= 10.0;
    }
    return static_cast<float>(p);
}

// Shrinks a by tenths until it is at most 1; gives the number of shrinks. Every finite float
// is down within 39 shrinks; the cap stops an infinite value.
int decades(float& a) {
    int count = 0;
    while (a > 1.0f && count < kMaxDecades) {
        a = a * 0.1f;
        ++count;
    }
    return count;
}

// A negative minimum moved out to a round candidate: the leading digit of |min| in its
// decade, widened by 10 % at most three times while it still lies above min.
float roundedMinimum(float min) {
    float a = std::fabs(min);
    const int q = decades(a);
    a = std::trunc(a * 10.0f) * powerBelow(q);
    float candidate = -a;
    float widening = 0.1f;
    for (int tries = 0; tries < 3 && candidate > min; ++tries) {
        candidate = -a * (1.0f + widening);
        widening = widening + 0.1f;
    }
    return candidate;
}

} // namespace

AxisScale autoScale(float min, float max) {
    float m = max;
    const int n = decades(m);
    const float p = powerBelow(n);
    float top = std::trunc(m * 11.0f) * p * 1.1f;

    // A zero minimum stays +0 so that no label ever reads "-0.00".
    min = min >= 0.0f ? 0.0f : roundedMinimum(min);

    float span = std::fabs(min) + top;
    if (span == 0.0f) {
        span = 1.0f;
    }
    float step = 0.1f * span;
    // A finite maximum is reached within 90 steps; the cap stops an infinite one.
    for (int raises = 0; top < max && raises < 1000; ++raises) {
        top = top + step;
    }

    span = std::fabs(min) + top;
    float e = span;
    int k = 0;
    while (0.1f * e > 1.0f && k < kMaxDecades) {
        e = e * 0.1f;
        ++k;
    }
    const float d = std::trunc(e);
    span = d > 5.0f ? powerBelow(k + 2) : (d + 1.0f) * powerBelow(k + 1);
    if (span == 0.0f) {
        span = 1.0f;
    }
    step = 0.1f * span;

    if (min < 0.0f) {
        for (int i = 1; i <= 9; ++i) {
            const float z = min + static_cast<float>(i) * step;
            if (z == 0.0f) {
                break;
            }
            if (z > 0.0f) {
                min = min - z;
                break;
            }
        }
    }
    return {min, step, span};
}

AxisScale zoomScale(float top) {
    const float span = top == 0.0f ? 1.0f : top;
    return {0.0f, 0.1f * span, span};
}

} // namespace finplan
