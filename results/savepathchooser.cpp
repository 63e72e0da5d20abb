#include "savepathchooser.h"

#include <QFileDialog>

namespace tavrel {

FileDialogSavePathChooser::~FileDialogSavePathChooser() {
    delete m_dialog.data();
}

std::optional<QString> FileDialogSavePathChooser::chooseSavePath(QWidget* parent) {
    QFileDialog* dialog = m_dialog.data();
    if (dialog == nullptr) {
        // Created on first use, and parented so that it stays above the results window.
        dialog = new QFileDialog(parent);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(QStringLiteral("HTML files (*.htm)"));
        dialog->setDefaultSuffix(QStringLiteral("htm"));
        dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog->setOption(QFileDialog::DontUseNativeDialog, true);
        m_dialog = dialog;
    }
    if (!m_lastPath.isEmpty()) {
        dialog->selectFile(m_lastPath);
    }
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    m_lastPath = files.first();
    return m_lastPath;
}

}  // namespace tavrel
