#include "app/document/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tarnik {

namespace {

QByteArray hashOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f)) return {};
    return hash.result();
}

} // namespace

FileStamp FileStamp::of(const QString& path) {
    FileStamp s;
    s.set_ = true;
    const QFileInfo info(path);
    s.exists_ = info.exists();
    if (s.exists_) {
        s.size_ = info.size();
        s.modified_ = info.lastModified();
        s.hash_ = hashOf(path);
    }
    return s;
}

bool FileStamp::changedOnDisk(const QString& path) const {
    if (!set_) return false;
    const QFileInfo info(path);
    // A file deleted meanwhile holds nothing to lose; one that appeared does.
    if (!info.exists()) return false;
    if (!exists_) return true;
    if (info.size() == size_ && info.lastModified() == modified_) return false;
    // The time alone may change (a copy, a touch, a file system of coarse times): the bytes say.
    return info.size() != size_ || hashOf(path) != hash_;
}

} // namespace tarnik
