#pragma once

// Reading and writing the files a test looks at.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace FileTesting {

// What is at a path: the bytes of a file, "<folder>", "<missing>" or "<unreadable>".
inline QByteArray state(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return info.exists() ? "<folder>" : "<missing>";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace FileTesting
