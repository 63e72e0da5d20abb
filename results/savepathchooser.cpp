#include "savepathchooser.h"

#include <QFileDialog>

namespace tavrel {

namespace {

const QString& sheetFilter() {
    static const QString filter = QStringLiteral("HTML files (*.htm)");
    return filter;
}

const QString& characterFilter() {
    static const QString filter = QStringLiteral("Character files (*.json)");
    return filter;
}

QString suffixFor(const QString& filter) {
    return filter == characterFilter() ? QStringLiteral("json") : QStringLiteral("htm");
}

}  // namespace

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
        dialog->setNameFilters({sheetFilter(), characterFilter()});
        dialog->setDefaultSuffix(suffixFor(sheetFilter()));
        // A name typed without an extension gets the one of the format chosen.
        QObject::connect(
            dialog, &QFileDialog::filterSelected, dialog,
            [dialog](const QString& filter) { dialog->setDefaultSuffix(suffixFor(filter)); });
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
    m_format = dialog->selectedNameFilter() == characterFilter() ? SaveFormat::Character
                                                                 : SaveFormat::Sheet;
    return m_lastPath;
}

std::optional<QString> FileDialogSavePathChooser::chooseOpenPath(QWidget* parent) {
    // Qt's own dialog, as for saving, so that it looks the same on every desktop.
    const QString path = QFileDialog::getOpenFileName(
        parent, QString(), QString(), characterFilter(), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace tavrel
