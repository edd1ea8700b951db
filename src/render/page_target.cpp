#include "render/page_target.h"

namespace finplan::render {

ImageTarget::ImageTarget(PageDevice device)
    : m_device(device) {}

bool ImageTarget::begin(const QString& documentName) {
    m_name = documentName;
    m_pages.clear();
    openPage();
    return m_painter.isActive();
}

bool ImageTarget::newPage() {
    m_painter.end();
    openPage();
    return m_painter.isActive();
}

bool ImageTarget::end() {
    return m_painter.isActive() && m_painter.end();
}

void ImageTarget::abort() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
    m_pages.clear();
}

void ImageTarget::openPage() {
    QImage page(m_device.width, m_device.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    // Text is sized in pixels; the resolution only tells the fonts what an inch is.
    const int dotsPerMeter = m_device.dpiX * 10000 / 254;
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(m_device.dpiY * 10000 / 254);
    m_pages.push_back(std::move(page));
    m_painter.begin(&m_pages.back());
}

} // namespace finplan::render
