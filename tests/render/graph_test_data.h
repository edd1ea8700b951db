#pragma once

#include "graphs/graph_view.h"
#include "graphs/series_colors.h"
#include "model/app_settings.h"
#include "model/scenario.h"
#include "model/text_field.h"
#include "render/graph_drawing.h"
#include "render/graph_fonts.h"
#include "render/graph_source.h"
#include "results/run_output.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace finplan::test {

// Results made by hand instead of by a run, so that every value a graph shows is known.
struct GraphData {
    Scenario scenario;
    RunOutput output;
    AppSettings settings;

    GraphData() { output.captions = {"File: hand.RET", "Date: 12/06/26", "Time: 10:11:12"}; }

    // `years` shown years from `startAge`, each filled by `fill` (year index, record).
    void years(int count, float startAge, const std::function<void(int, YearResult&)>& fill) {
        output.tables.shownYears = count;
        scenario.header.startAge = startAge;
        scenario.header.endAge = startAge + static_cast<float>(count);
        for (int i = 0; i < count; ++i) {
            YearResult& year = output.tables.years[static_cast<std::size_t>(i)];
            year = YearResult{};
            year.age = startAge + static_cast<float>(i);
            fill(i, year);
        }
    }

    void account(int position, const std::string& name, const std::string& accessOrder) {
        AccountRecord& a = scenario.accounts.accounts[static_cast<std::size_t>(position)];
        setFieldText(a.name, name);
        setFieldText(a.accessOrder, accessOrder);
        if (scenario.accounts.accountCount <= position) {
            scenario.accounts.accountCount = static_cast<std::int16_t>(position + 1);
        }
    }

    render::GraphSource source() const { return {scenario, output, settings}; }
    render::GraphScene scene() const { return render::graphScene(source(), 0, 10); }
};

// The screen metrics of the graph text in an image of the given height.
inline render::TextMetrics screenMetrics(int height) {
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics fm(render::screenGraphFont(height), &probe);
    return {fm.height() + std::max(fm.leading(), 0), std::max(fm.averageCharWidth(), 1),
            fm.height(), fm.ascent()};
}

// The graph area drawn as on screen onto an image of the given size.
struct DrawnImage {
    QImage image;
    render::DrawnGraph drawn;
};

inline DrawnImage drawOnScreen(GraphView& view, const GraphData& data, int width, int height,
                               int cursorQuadrant = 0) {
    DrawnImage result{QImage(width, height, QImage::Format_RGB32), {}};
    QPainter painter(&result.image);
    result.drawn = render::drawScreenGraph(painter, result.image.rect(), view, data.scene(),
                                           {render::screenGraphFont(height), cursorQuadrant});
    return result;
}

inline QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

inline QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// How many pixels of an image, or of the part [left, right) x [top, bottom) of it, have a colour.
inline int countPixels(const QImage& image, const QColor& color, int left = 0, int top = 0,
                       int right = -1, int bottom = -1) {
    int count = 0;
    for (int y = top; y < (bottom < 0 ? image.height() : bottom); ++y) {
        for (int x = left; x < (right < 0 ? image.width() : right); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

inline QColor rgb(RgbColor c) {
    return {c.red, c.green, c.blue};
}

} // namespace finplan::test
