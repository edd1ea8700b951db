#pragma once

#include "graphs/graph_view.h"
#include "render/graph_drawing.h"
#include "render/graph_source.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

namespace finplan::gui {

// The graph area: draws the graph the view is set to from the source's results and turns
// mouse and keys into the view's operations. The view outlives the widget, so style, zoom
// and legend stay when the page is made anew.
class GraphWidget : public QWidget {
    Q_OBJECT
public:
    GraphWidget(GraphView& view, const render::GraphSource& source, QWidget* parent = nullptr);

    // The accounts graph's block of accounts: positions first .. end - 1.
    void setAccountBlock(int first, int end);
    // The client height of the main window at start-up, which sizes the text.
    void setStartupClientHeight(int height);
    // While a run or a print goes on no input acts.
    void setBusy(bool busy);

    GraphView& view() const { return m_view; }
    // What the graph shows from the source's results, for the printer too.
    render::GraphScene scene() const;
    // What the graph area shows, without the zoom marks drawn over it.
    const QImage& canvas() const { return m_canvas; }
    // Where the last drawing put its frames and breakdown charts.
    const render::DrawnGraph& drawn() const { return m_drawn; }
    // The lines of the value readout now shown; empty when there is none.
    const QStringList& readout() const { return m_readout; }
    // The area the readout saved and will restore.
    QRect readoutSavedArea() const { return m_savedArea; }
    // The four-graph quadrant the mouse is over (0 none), which the summary panel follows.
    int cursorQuadrant() const { return m_cursorQuadrant; }
    // Where the mouse was last seen or the arrow keys put it.
    QPoint cursorPosition() const { return m_mouse; }
    // The zoom corners marked so far.
    const std::vector<QPoint>& zoomCorners() const { return m_zoomCorners; }

public Q_SLOTS:
    // The results, the settings or the view changed: draw everything anew.
    void refresh();

Q_SIGNALS:
    // The zoom changed, and with it the years the plot file must hold: run again.
    void rerunNeeded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void render();
    void ensureRendered();
    void showReadout(const QStringList& lines, QPoint at);
    void hideReadout();
    std::optional<QStringList> pieReadout(QPoint at) const;
    bool overPie(QPoint at) const;
    int quadrantAt(QPoint at) const;
    void markZoom(QPoint at);
    void applyZoom();
    // Drops the corners the view no longer holds.
    void syncZoomCorners();
    void afterZoomChange(const PlotZoom& before);
    void drawZoomMarks(QPainter& painter) const;
    void moveCursor(int direction);

    GraphView& m_view;
    render::GraphSource m_source;
    int m_firstAccount = 0;
    int m_endAccount = 0;
    int m_startupClientHeight = 0;
    bool m_busy = false;

    QImage m_canvas;
    bool m_dirty = true;
    render::DrawnGraph m_drawn;

    QStringList m_readout;
    QRect m_savedArea;
    QImage m_saved;
    int m_readoutYear = -1;

    QPoint m_mouse;
    int m_cursorQuadrant = 0;
    std::vector<QPoint> m_zoomCorners;
    int m_zoomQuadrant = 0;
};

} // namespace finplan::gui
