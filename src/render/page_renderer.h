#pragma once

#include "render/print_set.h"
#include "reports/page_geometry.h"

#include <QPainter>

namespace finplan::render {

// Draws page `page` of a set (0: the title page) on a sheet of the device. False when the
// page cannot be drawn (its file could not be read, the painter is not painting).
bool renderPrintPage(QPainter& painter, const PageDevice& device, const PrintSet& set, int page,
                     const PageSetting& setting);

// The same pieces on their own.
bool renderTitlePage(QPainter& painter, const PageGeometry& geometry, const PrintSet& set,
                     const PageSetting& setting);
void renderReportPage(QPainter& painter, const PageGeometry& geometry, const PageDevice& device,
                      const PrintSet& set, int page, const PageSetting& setting);
void renderSchedulePage(QPainter& painter, const PageGeometry& geometry, const PageDevice& device,
                        const PrintSet& set, int page, const PageSetting& setting);

} // namespace finplan::render
