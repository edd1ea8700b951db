#pragma once

#include "reports/page_geometry.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

namespace finplan::render {

// Where printed pages go: a printer, a PDF document or, in tests, a list of images.
class PageTarget {
public:
    virtual ~PageTarget() = default;
    // Starts a document of that name; false when the device cannot start it.
    virtual bool begin(const QString& documentName) = 0;
    // Ends the current page and starts the next one.
    virtual bool newPage() = 0;
    // The painter of the current page, in device pixels from the sheet's corner.
    virtual QPainter& painter() = 0;
    virtual bool end() = 0;
    // Gives up the document: nothing of it is kept.
    virtual void abort() = 0;
    virtual PageDevice device() const = 0;
};

// Pages as white images of a sheet of the given size and resolution.
class ImageTarget : public PageTarget {
public:
    explicit ImageTarget(PageDevice device);
    bool begin(const QString& documentName) override;
    bool newPage() override;
    QPainter& painter() override { return m_painter; }
    bool end() override;
    void abort() override;
    PageDevice device() const override { return m_device; }

    const std::vector<QImage>& pages() const { return m_pages; }
    const QString& documentName() const { return m_name; }

private:
    void openPage();

    PageDevice m_device;
    std::vector<QImage> m_pages;
    QPainter m_painter;
    QString m_name;
};

} // namespace finplan::render
