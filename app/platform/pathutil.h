#pragma once
// Conversions between Qt's file names and the standard library's paths.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <filesystem>

namespace tarnik {

inline std::filesystem::path toPath(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    const QByteArray local = QFile::encodeName(name);
    return std::filesystem::path(
        std::string(local.constData(), static_cast<std::size_t>(local.size())));
#endif
}

inline QString fromPath(const std::filesystem::path& p) {
#ifdef _WIN32
    return QString::fromStdWString(p.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
#endif
}

// Whether both names lead to one existing file (an output that would replace its input).
inline bool sameExistingFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace tarnik
