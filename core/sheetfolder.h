#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// A batch of sheets as a folder of numbered files, character-1.htm onwards, numbered with as
// many digits as the count needs so that they list in order. Each file is written through a
// CheckedFile: complete or not at all. Error texts name the path in quotes.
class SheetFolder {
public:
    SheetFolder(QString path, int count);

    // "'party' is not a folder" when something other than a folder stands at `path`: a bad
    // argument, found before anything is made or written.
    static std::optional<std::string> refusal(const QString& path);

    // Makes the folder and any missing parent; "cannot create the folder 'party'" otherwise.
    std::optional<std::string> make();
    // The next sheet; "cannot write 'party/character-01.htm': <why>" otherwise.
    std::optional<std::string> write(std::string_view sheet);

private:
    QString m_path;
    int m_width;
    int m_written = 0;
};

}  // namespace tavrel
