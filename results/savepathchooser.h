#pragma once

#include <QPointer>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace tavrel {

// The two kinds of file the save dialog offers: the HTML sheet and the character file (JSON).
enum class SaveFormat { Sheet, Character };

// Where a save goes and what it writes there. A name with one of the two formats' extensions
// (.htm or .html for the sheet, .json for the character file) gets that format, so that a file
// always holds what its name says; any other name ("hero.txt", "Sir.Bob") gets the format of
// the filter chosen, and that format's extension after it.
struct SaveTarget {
    QString path;
    SaveFormat format;

    bool operator==(const SaveTarget&) const = default;
};
SaveTarget saveTarget(const QString& typed, SaveFormat filter);

// Asks the user where to save the character, and which character file to open. A seam, so that
// tests never open a dialog.
class SavePathChooser {
public:
    virtual ~SavePathChooser() = default;
    // The path as the user typed it (see saveTarget), or nullopt when the user cancels.
    virtual std::optional<QString> chooseSavePath(QWidget* parent) = 0;
    // The format of the filter chosen with the last path; the dialog offers it again next time.
    virtual SaveFormat chosenFormat() const { return SaveFormat::Sheet; }
    // A character file to open, or nullopt when the user cancels.
    virtual std::optional<QString> chooseOpenPath(QWidget* /*parent*/) { return std::nullopt; }
};

// One save dialog for the whole run, so it proposes the last name chosen. It is Qt's own dialog
// rather than the platform's, and it asks nothing about an existing file: the name it returns
// may still get an extension (see saveTarget), so the window asks about the final name itself.
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
