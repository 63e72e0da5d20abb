#pragma once

#include <QPointer>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace tavrel {

// Asks the user where to save the character sheet. A seam, so that tests never open a dialog.
class SavePathChooser {
public:
    virtual ~SavePathChooser() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<QString> chooseSavePath(QWidget* parent) = 0;
};

// One save dialog for the whole run, so it proposes the last name chosen. It is Qt's own dialog
// rather than the platform's, since a platform dialog may ask before replacing a file, and the
// sheet replaces an existing file without a question.
class FileDialogSavePathChooser final : public SavePathChooser {
public:
    FileDialogSavePathChooser() = default;
    ~FileDialogSavePathChooser() override;
    FileDialogSavePathChooser(const FileDialogSavePathChooser&) = delete;
    FileDialogSavePathChooser& operator=(const FileDialogSavePathChooser&) = delete;

    std::optional<QString> chooseSavePath(QWidget* parent) override;

private:
    QPointer<QFileDialog> m_dialog;
    QString m_lastPath;
};

}  // namespace tavrel
