#include "sheetfolder.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "checkedfile.h"

namespace tavrel {

namespace {

std::string quoted(const QString& path) {
    return "'" + path.toStdString() + "'";
}

}  // namespace

SheetFolder::SheetFolder(QString path, int count)
    : m_path(std::move(path)), m_width(static_cast<int>(std::to_string(count).size())) {}

std::optional<std::string> SheetFolder::refusal(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return quoted(path) + " is not a folder";
    return std::nullopt;
}

std::optional<std::string> SheetFolder::make() {
    if (!QDir().mkpath(m_path))
        return "cannot create the folder " + quoted(m_path);
    return std::nullopt;
}

std::optional<std::string> SheetFolder::write(std::string_view sheet) {
    ++m_written;
    const QString name =
        QStringLiteral("character-%1.htm").arg(m_written, m_width, 10, QLatin1Char('0'));
    const QString path = QDir(m_path).filePath(name);
    if (const std::optional<QString> error = writeCheckedFile(path, sheet))
        return "cannot write " + quoted(path) + ": " + error->toStdString();
    return std::nullopt;
}

}  // namespace tavrel
