#include "savepathchooser.h"

#include <QFileDialog>
#include <QFileInfo>

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

}  // namespace

SaveTarget saveTarget(const QString& typed, SaveFormat filter) {
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html")) {
        return {typed, SaveFormat::Sheet};
    }
    if (suffix == QLatin1String("json")) {
        return {typed, SaveFormat::Character};
    }
    const QString added =
        filter == SaveFormat::Character ? QStringLiteral(".json") : QStringLiteral(".htm");
    return {typed + added, filter};
}

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
        // No default suffix: the dialog would add it only to a name without any, and the window
        // gives every other name its extension too (saveTarget).
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
    // Qt's own dialog, as for saving, so that it looks the same on every desktop. A character
    // file may carry any name, so every file can be chosen; the reader says what is wrong.
    const QString filters = characterFilter() + QStringLiteral(";;All files (*)");
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), filters,
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace tavrel
