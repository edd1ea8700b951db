#include "gui/graphs/graph_widget.h"

#include "graphs/plot_geometry.h"
#include "render/graph_canvas.h"
#include "render/graph_fonts.h"
#include "render/graph_palette.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <cstddef>

namespace finplan::gui {

namespace {

// The screen area a readout saves: 600 pixels wide and three text lines high (more if the
// box needs it), ending where the box and its shadow end.
constexpr int kReadoutSaveWidth = 600;
// How far the readout stands from the cursor.
constexpr int kReadoutGap = 8;

bool sameZoom(const PlotZoom& a, const PlotZoom& b) {
    if (a.active != b.active) {
        return false;
    }
    return !a.active || (a.firstAge == b.firstAge && a.lastAge == b.lastAge);
}

QRect inDevicePixels(const QRect& area, qreal ratio) {
    return {QPoint(static_cast<int>(area.left() * ratio), static_cast<int>(area.top() * ratio)),
            QSize(static_cast<int>(area.width() * ratio), static_cast<int>(area.height() * ratio))};
}

} // namespace

GraphWidget::GraphWidget(GraphView& view, const render::GraphSource& source, QWidget* parent)
    : QWidget(parent)
    , m_view(view)
    , m_source(source) {
    setObjectName(QStringLiteral("graphWidget"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void GraphWidget::setAccountBlock(int first, int end) {
    m_firstAccount = first;
    m_endAccount = end;
    refresh();
}

void GraphWidget::setStartupClientHeight(int height) {
    m_startupClientHeight = height;
    refresh();
}

void GraphWidget::setBusy(bool busy) {
    m_busy = busy;
    m_view.setBusy(busy);
}

void GraphWidget::refresh() {
    m_dirty = true;
    update();
}

render::GraphScene GraphWidget::scene() const {
    return render::graphScene(m_source, m_firstAccount, m_endAccount);
}

void GraphWidget::render() {
    const qreal ratio = devicePixelRatioF();
    m_canvas = QImage(size() * ratio, QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(ratio);
    QPainter painter(&m_canvas);
    const render::ScreenGraphOptions options{render::screenGraphFont(m_startupClientHeight),
                                             m_cursorQuadrant};
    m_drawn = render::drawScreenGraph(painter, rect(), m_view, scene(), options);
    m_dirty = false;
    // A readout drawn into the old picture has gone with it.
    m_readout.clear();
    m_saved = QImage();
    m_savedArea = QRect();
}

void GraphWidget::ensureRendered() {
    const qreal ratio = devicePixelRatioF();
    if (m_dirty || m_canvas.size() != size() * ratio) {
        render();
    }
}

void GraphWidget::paintEvent(QPaintEvent*) {
    ensureRendered();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_canvas);
    drawZoomMarks(painter);
}

void GraphWidget::resizeEvent(QResizeEvent* event) {
    m_dirty = true;
    QWidget::resizeEvent(event);
}

void GraphWidget::showReadout(const QStringList& lines, QPoint at) {
    hideReadout();
    ensureRendered();
    QPainter painter(&m_canvas);
    render::GraphCanvas canvas(painter, false);
    canvas.setFont(render::screenGraphFont(m_startupClientHeight));
    const int lineHeight = canvas.lineHeight();
    const int height = lineHeight * static_cast<int>(lines.size());
    // Left of and above the cursor; right of or below it where the widget ends.
    int right = at.x() - kReadoutGap;
    int top = at.y() - height - kReadoutGap;
    if (canvas.readoutArea(lines, right, top).left() < 0) {
        right = at.x() + kReadoutGap + canvas.readoutArea(lines, 0, 0).width();
    }
    if (top - 5 < 0) {
        top = at.y() + 2 * kReadoutGap;
    }
    const QRect box = canvas.readoutArea(lines, right, top);
    QRect area(box.right() + 1 - kReadoutSaveWidth, box.top(), kReadoutSaveWidth,
               3 * lineHeight + 10);
    area = area.united(box).intersected(rect());
    const qreal ratio = m_canvas.devicePixelRatio();
    m_saved = m_canvas.copy(inDevicePixels(area, ratio));
    m_saved.setDevicePixelRatio(ratio);
    m_savedArea = area;
    m_readout = lines;
    canvas.readoutBox(lines, right, top);
    update(area);
}

void GraphWidget::hideReadout() {
    if (m_saved.isNull()) {
        return;
    }
    {
        QPainter painter(&m_canvas);
        painter.drawImage(m_savedArea.topLeft(), m_saved);
    }
    update(m_savedArea);
    m_saved = QImage();
    m_savedArea = QRect();
    m_readout.clear();
}

std::optional<QStringList> GraphWidget::pieReadout(QPoint at) const {
    for (const std::optional<render::PieGeometry>& pie : m_drawn.pies) {
        if (!pie || pie->chart.slices.empty()) {
            continue;
        }
        std::optional<std::size_t> slice;
        const int dx = at.x() - pie->centreX;
        const int dy = at.y() - pie->centreY;
        if (pie->pieDrawn && dx * dx + dy * dy <= pie->radius * pie->radius) {
            slice = sliceAt(pie->chart, static_cast<float>(dx), static_cast<float>(dy));
        }
        for (std::size_t row = 0; !slice && row < pie->legendRows.size(); ++row) {
            if (pie->legendRows[row].contains(at)) {
                slice = row;
            }
        }
        if (slice) {
            const auto lines = sliceReadout(pie->chart.slices[*slice]);
            return QStringList{render::toQString(lines[0]), render::toQString(lines[1])};
        }
    }
    return std::nullopt;
}

bool GraphWidget::overPie(QPoint at) const {
    for (const std::optional<render::PieGeometry>& pie : m_drawn.pies) {
        if (!pie) {
            continue;
        }
        const int dx = at.x() - pie->centreX;
        const int dy = at.y() - pie->centreY;
        if (pie->pieDrawn && dx * dx + dy * dy <= pie->radius * pie->radius) {
            return true;
        }
        for (const QRect& row : pie->legendRows) {
            if (row.contains(at)) {
                return true;
            }
        }
    }
    return false;
}

int GraphWidget::quadrantAt(QPoint at) const {
    if (!m_view.fourGraphView()) {
        return 0;
    }
    for (int q = 1; q <= 4; ++q) {
        const render::FrameRect& f = m_drawn.frames[static_cast<std::size_t>(q)];
        if (at.x() >= f.left && at.x() < f.right && at.y() >= f.top && at.y() < f.bottom) {
            return q;
        }
    }
    return 0;
}

void GraphWidget::syncZoomCorners() {
    if (m_view.zoomFirstAge() == 0) {
        m_zoomCorners.clear();
    } else if (m_view.zoomLastAge() == 0 && m_zoomCorners.size() > 1) {
        m_zoomCorners.resize(1);
    }
}

void GraphWidget::afterZoomChange(const PlotZoom& before) {
    if (!sameZoom(before, m_view.plotZoom())) {
        Q_EMIT rerunNeeded();
    }
}

void GraphWidget::markZoom(QPoint at) {
    const std::optional<PlotPoint> point = m_view.plotPointAt(at.x(), at.y());
    if (!point) {
        return;
    }
    switch (m_view.markZoom(scene().wholeAgeOf(point->column), point->value)) {
    case ZoomMark::FirstCorner:
        m_zoomCorners = {at};
        m_zoomQuadrant = point->quadrant;
        break;
    case ZoomMark::SecondCorner:
        m_zoomCorners.push_back(at);
        break;
    case ZoomMark::Cleared:
        m_zoomCorners.clear();
        break;
    case ZoomMark::Ignored:
        return;
    }
    update();
}

void GraphWidget::applyZoom() {
    const PlotZoom before = m_view.plotZoom();
    const render::GraphScene now = scene();
    if (!m_view.applyZoom(now.wholeAgeOf(0), m_source.scenario.header.endAge)) {
        return;
    }
    m_zoomCorners.clear();
    afterZoomChange(before);
    refresh();
}

void GraphWidget::drawZoomMarks(QPainter& painter) const {
    if (m_zoomCorners.empty()) {
        return;
    }
    QPen pen(render::activeCaptionColor());
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPoint first = m_zoomCorners.front();
    if (m_zoomCorners.size() == 1) {
        const PlotGeometry& plot = m_view.geometry(m_zoomQuadrant);
        painter.drawLine(first, QPoint(first.x(), valueY(plot, 0.0f)));
        painter.drawLine(first, QPoint(plot.left, first.y()));
    } else {
        painter.drawRect(QRect(first, m_zoomCorners.back()).normalized());
    }
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_mouse = at;
    m_cursorQuadrant = quadrantAt(at);
    if (m_busy) {
        return;
    }
    ensureRendered();
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->button() == Qt::LeftButton && shift) {
        markZoom(at);
    } else if (event->button() == Qt::RightButton && shift) {
        applyZoom();
    } else if (event->button() == Qt::LeftButton) {
        if (const std::optional<QStringList> lines = pieReadout(at)) {
            showReadout(*lines, at);
        } else if (const std::optional<PlotPoint> point = m_view.plotPointAt(at.x(), at.y())) {
            m_readoutYear = m_view.selectedYear();
            if (const std::optional<std::string> text = m_view.selectAt(*point)) {
                showReadout({render::toQString(*text)}, at);
            }
        }
    }
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    hideReadout();
    // The summary panel and the quadrants' breakdowns follow the selected year.
    if (m_readoutYear >= 0 && m_readoutYear != m_view.selectedYear() && m_view.fourGraphView()) {
        refresh();
    }
    m_readoutYear = -1;
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_busy) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const PlotZoom before = m_view.plotZoom();
        if (m_view.nextStyle()) {
            syncZoomCorners();
            afterZoomChange(before);
            refresh();
        }
    } else if (event->button() == Qt::LeftButton) {
        const std::optional<PlotPoint> point = m_view.plotPointAt(at.x(), at.y());
        // Outside every plot only a breakdown goes back; another graph stays as it is.
        if ((point || m_view.kind() == GraphKind::Breakdown) && m_view.toggleBreakdown(point)) {
            refresh();
        }
    }
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_mouse = at;
    m_cursorQuadrant = quadrantAt(at);
    const bool overGraph = m_view.plotPointAt(at.x(), at.y()).has_value() || overPie(at);
    setCursor(overGraph ? Qt::CrossCursor : Qt::ArrowCursor);
}

void GraphWidget::moveCursor(int direction) {
    const std::optional<CursorPosition> target =
        m_view.moveByColumn(m_mouse.x(), m_mouse.y(), direction);
    if (!target) {
        return;
    }
    m_mouse = QPoint(target->x, target->y);
    m_cursorQuadrant = quadrantAt(m_mouse);
    QCursor::setPos(mapToGlobal(m_mouse));
    refresh();
}

void GraphWidget::keyPressEvent(QKeyEvent* event) {
    if (m_busy) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_L:
        if (m_view.toggleLegend()) {
            refresh();
        }
        break;
    case Qt::Key_N:
        if (m_view.hideLegend()) {
            refresh();
        }
        break;
    case Qt::Key_Left:
        moveCursor(-1);
        break;
    case Qt::Key_Right:
        moveCursor(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace finplan::gui
