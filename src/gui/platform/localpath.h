#pragma once
// Local file names and system texts between Qt and the plain C++ layer: core takes file names as
// the file system's bytes (Qt's file name encoding) and reports failures in the locale's 8-bit
// encoding (strerror texts, file names).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace q7 {

// A path as the file system takes it.
inline std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
// A path the file system gave.
inline QString fromLocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
// A text from the system or the core layer, such as a FileError's what().
inline QString systemText(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

}  // namespace q7
