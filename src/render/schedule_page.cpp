#include "render/page_canvas.h"
#include "render/page_renderer.h"
#include "reports/page_reader.h"
#include "reports/report_lines.h"
#include "results/text_format.h"

#include <algorithm>
#include <array>

namespace finplan::render {

namespace {

constexpr std::size_t kIndent = 10;

std::string_view withoutIndent(std::string_view line) {
    std::size_t cut = 0;
    while (cut < kIndent && cut < line.size() && line[cut] == ' ') {
        ++cut;
    }
    return line.substr(cut);
}

bool containsAll(std::string_view line, std::initializer_list<std::string_view> words) {
    return std::all_of(words.begin(), words.end(),
                       [&](std::string_view word) { return line.find(word) != line.npos; });
}

enum class ScheduleLine { Heading, Spacer, Header, Data, Plain };

ScheduleLine classify(std::string_view line) {
    constexpr std::array<std::string_view, 6> headings = {
        "Financial Scenario", "Red flags at age", "Financial Events",
        "Initial Rates:",     "Summary",          "End Of Year Account Summary"};
    for (const std::string_view heading : headings) {
        if (line.find(heading) != line.npos) {
            return ScheduleLine::Heading;
        }
    }
    if (line.starts_with("?BO") || line.starts_with("?Bo") || line.find("-----") != line.npos) {
        return ScheduleLine::Spacer;
    }
    if (containsAll(line, {"Age", "Net Worth", "Accounts", "Liabilities"}) ||
        containsAll(line, {"Investment", "Retirement", "Equity", "Asset"})) {
        return ScheduleLine::Header;
    }
    if (!line.empty() && line.front() >= '1' && line.front() <= '9') {
        return ScheduleLine::Data;
    }
    return ScheduleLine::Plain;
}

// A header or data line: the pieces between tabs in the columns of their place.
int drawColumns(PageCanvas& canvas, const PageGeometry& g, const PageFonts& fonts,
                std::string_view line, int y) {
    const std::vector<std::string_view> pieces = splitTabs(line);
    int x = g.margins.left;
    for (std::size_t i = 0; i < pieces.size() && i < kMaxPageColumns; ++i) {
        const int width = i == 0 ? g.firstColumn : g.columnWidth;
        const std::string_view piece = trimmed(pieces[i]);
        if (!piece.empty()) {
            const int flags = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
            canvas.text(QRect(x, y, width, fonts.lineHeight), flags, pageText(piece), fonts.text);
        }
        x += width;
    }
    return x;
}

int tableRight(const PageGeometry& g) {
    return g.margins.left + g.firstColumn + 7 * g.columnWidth;
}

int layoutSchedulePage(PageCanvas& canvas, const PageGeometry& g, const PageDevice& device,
                       const PrintSet& set, int page, const PageSetting& setting,
                       const std::vector<std::string_view>& lines, double scale) {
    const PageFonts fonts = pageFonts(g, setting.style.fontFamily, scale);
    const int lh = fonts.lineHeight;
    const int left = g.margins.left;
    int y = drawTitleBlock(canvas, g, device, fonts, set, page, setting);
    int dataRows = 0;
    bool headerSeen = false;
    const int bandWidth = tableRight(g) + 50 - left;
    for (const std::string_view raw : lines) {
        const std::string_view line = withoutIndent(raw);
        switch (classify(line)) {
        case ScheduleLine::Heading: {
            canvas.text(QRect(left, y, g.width, lh), Qt::AlignLeft | Qt::AlignTop,
                        pageText(trimmed(line)), fonts.heading);
            y += line.find("Financial Scenario") != line.npos ? lh + lh / 2 : lh;
            break;
        }
        case ScheduleLine::Spacer:
            y += lh / 2;
            break;
        case ScheduleLine::Header:
            if (!headerSeen) {
                canvas.band(QRect(left, y - 5, bandWidth, 2 * lh + 10), setting.style);
                headerSeen = true;
            }
            drawColumns(canvas, g, fonts, line, y);
            y += lh;
            break;
        case ScheduleLine::Data:
            y += 3 * lh / 4;
            if (dataRows++ % 2 == 0) {
                canvas.band(QRect(left, y - 5, bandWidth, lh + 10), setting.style);
            }
            drawColumns(canvas, g, fonts, line, y);
            y += lh;
            break;
        case ScheduleLine::Plain:
            canvas.text(QRect(left, y, g.width, lh),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextDontClip,
                        pageText(line), fonts.text);
            y += lh;
            break;
        }
    }
    return y;
}

} // namespace

void renderSchedulePage(QPainter& painter, const PageGeometry& g, const PageDevice& device,
                        const PrintSet& set, int page, const PageSetting& setting) {
    const std::string& text = *set.pages[static_cast<std::size_t>(page - 1)];
    const std::vector<std::string_view> lines = linesBeforeEnd(text);
    fitAndPaint(painter, g, g.margins.top, [&](PageCanvas& canvas, double scale) {
        return layoutSchedulePage(canvas, g, device, set, page, setting, lines, scale);
    });
}

} // namespace finplan::render
