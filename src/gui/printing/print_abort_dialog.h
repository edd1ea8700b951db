#pragma once

#include "render/print_run.h"

#include <QDialog>

class QLabel;

namespace finplan::gui {

// "PrCancel": tells which page is printing; Abort stops the job before the next page.
class PrintAbortDialog : public QDialog, public render::PrintProgress {
    Q_OBJECT
public:
    explicit PrintAbortDialog(QWidget* parent);

    bool pageStarting(int page, int pageCount) override;
    bool aborted() const { return m_aborted; }

private:
    QLabel* m_text;
    bool m_aborted = false;
};

} // namespace finplan::gui
