#pragma once
// What the open document knows of its file on disk, so that saving over a file that someone
// else changed in the meantime (another user on a shared folder, another window) asks first.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tarnik {

class FileStamp {
public:
    // No file: the document was not read from or written to one.
    FileStamp() = default;
    // The file as it is on disk now (a file that does not exist is stamped as missing).
    static FileStamp of(const QString& path);

    // True when the file at `path` holds what this stamp did not see: it appeared, or it was
    // rewritten with other bytes. A file touched without a change of its bytes is the same; a
    // file deleted meanwhile has nothing to lose and counts as unchanged.
    bool changedOnDisk(const QString& path) const;
    bool isSet() const { return set_; }

private:
    bool set_ = false;
    bool exists_ = false;
    qint64 size_ = 0;
    QDateTime modified_;
    QByteArray hash_; // of the bytes, read only when size or time differ
};

} // namespace tarnik
