#pragma once

#include <QPointer>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace tavrel {

// The two kinds of file the save dialog offers: the HTML sheet and the character file (JSON).
enum class SaveFormat { Sheet, Character };

// Asks the user where to save the character, and which character file to open. A seam, so that
// tests never open a dialog.
class SavePathChooser {
public:
    virtual ~SavePathChooser() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<QString> chooseSavePath(QWidget* parent) = 0;
    // The format of the filter chosen with the last path; the dialog offers it again next time.
    virtual SaveFormat chosenFormat() const { return SaveFormat::Sheet; }
    // A character file to open, or nullopt when the user cancels.
    virtual std::optional<QString> chooseOpenPath(QWidget* /*parent*/) { return std::nullopt; }
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
    SaveFormat chosenFormat() const override { return m_format; }
    std::optional<QString> chooseOpenPath(QWidget* parent) override;

private:
    QPointer<QFileDialog> m_dialog;
    QString m_lastPath;
    SaveFormat m_format = SaveFormat::Sheet;
};

}  // namespace tavrel
