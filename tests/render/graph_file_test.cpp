// PNG and PDF files of a graph: complete files on success; on any failure the old file keeps
// its bytes, no new or temporary file is left, and the cause is the system's own words.
#include "graph_test_data.h"
#include "render/graph_render.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

// Two nested amounts over twenty years, as the screen draws net worth.
GraphData twentyYears() {
    GraphData data;
    data.years(20, 50.0f, [](int year, YearResult& y) {
        y.investment = 1000.0f * static_cast<float>(year);
        y.netWorth = 2000.0f * static_cast<float>(year);
    });
    return data;
}

GraphView netWorthView(int lastYearIndex) {
    GraphView view;
    view.showGraph(GraphKind::NetWorth);
    view.beginDrawing(lastYearIndex);
    view.nextStyle();
    return view;
}

// One way of writing the graph to a file, as the command line offers them.
struct GraphFileKind {
    const char* name;
    std::function<WriteResult(const fs::path&, GraphView&, const render::GraphScene&)> write;
};

const GraphFileKind kPng{
    "png", [](const fs::path& path, GraphView& view, const render::GraphScene& scene) {
        return render::writeGraphPng(path, view, scene, QSize(640, 480));
    }};
const GraphFileKind kPdf{
    "pdf", [](const fs::path& path, GraphView& view, const render::GraphScene& scene) {
        return render::writeGraphPdf(path, view, scene, PageMargins{});
    }};

// Test names show the kind, not the bytes of the record.
void PrintTo(const GraphFileKind& kind, std::ostream* out) {
    *out << kind.name;
}

class GraphFileTest : public ::testing::TestWithParam<GraphFileKind> {
protected:
    WriteResult write(const fs::path& path) {
        GraphView view = netWorthView(19);
        return GetParam().write(path, view, data.scene());
    }
    fs::path target() const { return dir / (std::string("graph.") + GetParam().name); }

    GraphData data = twentyYears();
    TempDir dir;
};

TEST_P(GraphFileTest, FailuresLeaveTheOldFileAndNothingNew) {
    const std::string old(300, 'o');
    writeText(target(), old);
    struct Case {
        const char* what;
        fs::path path;
        const char* cause;
        std::size_t room = 0; // the bytes a file may grow to; 0 for no limit
    };
    const std::vector<Case> cases = {
        {"missing folder", dir / "no-such-folder" / "graph.out", "No such file or directory"},
        {"a file as folder", target() / "graph.out", "Not a directory"},
        // Room for a little more than the old file, far less than a new picture or page.
        {"a full disk", target(), "File too large", 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<FileSizeLimit> limit;
        if (c.room > 0) {
            limit.emplace(c.room);
        }
        const WriteResult written = write(c.path);
        limit.reset();
        EXPECT_FALSE(written);
        EXPECT_EQ(written.cause(), c.cause);
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{target().filename().string()});
        EXPECT_EQ(readText(target()), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, GraphFileTest, ::testing::Values(kPng, kPdf),
                         [](const auto& kind) { return std::string(kind.param.name); });

TEST(GraphFile, PngHoldsTheDrawnImageAndReplacesTheOldFile) {
    const TempDir dir;
    const fs::path path = dir / "graph.png";
    writeText(path, "old");
    const GraphData data = twentyYears();
    GraphView view = netWorthView(19);
    ASSERT_TRUE(render::writeGraphPng(path, view, data.scene(), QSize(640, 480)));
    const std::string bytes = readText(path);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const QImage image(QString::fromStdString(path.string()));
    ASSERT_EQ(image.size(), QSize(640, 480));
    GraphView again = netWorthView(19);
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              render::renderGraphImage(again, data.scene(), QSize(640, 480)));
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"graph.png"});
}

TEST(GraphFile, PdfIsACompleteDocumentOfOnePage) {
    const TempDir dir;
    const fs::path path = dir / "graph.pdf";
    const GraphData data = twentyYears();
    GraphView view = netWorthView(19);
    ASSERT_TRUE(render::writeGraphPdf(path, view, data.scene(), PageMargins{}));
    const std::string pdf = readText(path);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    // The trailer is there, and the cross-reference table starts where it says.
    ASSERT_GE(pdf.size(), 6u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t offset = std::stoul(pdf.substr(startxref + 10));
    EXPECT_EQ(pdf.substr(offset, 4), "xref");
}

} // namespace
} // namespace finplan::test
