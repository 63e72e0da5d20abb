#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string_view>

class QFileDevice;

namespace tavrel {

// A file written so that a failure is always reported and never costs what was there before.
// A regular file (or a new one) is written beside its place and renamed over it only once every
// byte has reached the disk: a failed write leaves the previous file as it was and nothing
// partial behind. Something that is not a regular file, such as a device or a FIFO, is written
// directly and never replaced. Writes are unbuffered, so each failure shows at the write that
// met it, and the caller can stream any amount of output in pieces.
//
//     CheckedFile file(path);
//     if (!file.open() || !file.write(a) || !file.write(b) || !file.commit())
//         show(file.errorText());
class CheckedFile {
public:
    explicit CheckedFile(QString path);
    // Without commit(), a replacement is discarded and the previous file stays.
    ~CheckedFile();
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;

    bool open();
    bool write(std::string_view bytes);
    bool commit();

    // Why the last call failed, as the user should read it (see saveErrorText).
    const QString& errorText() const { return m_error; }

private:
    bool fail();

    QString m_path;
    std::unique_ptr<QFileDevice> m_file;
    bool m_replacing = false;
    QString m_error;
};

// The whole of `bytes` through a CheckedFile. The error text, or nullopt on success.
std::optional<QString> writeCheckedFile(const QString& path, std::string_view bytes);

// Whether the regular file at `path` holds exactly `bytes`: saving them there would change
// nothing.
bool fileHolds(const QString& path, std::string_view bytes);

// The text that names a failed save: "File access denied" for a permission failure, otherwise
// `systemText`, or else the system's name for `errorNumber`, and "I/O error N" when neither
// names the cause.
QString saveErrorText(bool accessDenied, const QString& systemText, int errorNumber);

}  // namespace tavrel
