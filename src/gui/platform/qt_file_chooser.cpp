#include "gui/platform/qt_file_chooser.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace finplan::gui {

std::optional<std::string> QtFileChooser::choose(const FileRequest& request) {
    QFileDialog dialog(m_parent, QString::fromStdString(request.title),
                       QFile::decodeName(request.startDirectory.c_str()));
    dialog.setObjectName(QStringLiteral("fileDialog"));
    QStringList filters;
    for (const std::string& filter : request.filters) {
        filters << QString::fromStdString(filter);
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (request.mode == FileRequest::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    }
    m_open = true;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_open = false;
    if (!accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace finplan::gui
