#include "core/logwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

LogWriter::LogWriter(const QString& name)
    : LogWriter(QCoreApplication::applicationDirPath(), name)
{
}

LogWriter::LogWriter(const QString& directory, const QString& name)
    : file(std::make_unique<QFile>(directory + "/" + name + ".txt"))
    , stream(std::make_unique<QTextStream>(file.get()))
{
    stream->setCodec("UTF-8");
    appendLine(QStringLiteral("nouveau logwriter"));
}

LogWriter::~LogWriter() = default;

void LogWriter::write(const QString& text)
{
    appendLine(text);
}

void LogWriter::reset()
{
    file->remove();
    appendLine(QStringLiteral("réinitialisation du logwriter !"));
}

QString LogWriter::fileName() const
{
    return file->fileName();
}

void LogWriter::appendLine(const QString& text)
{
    // Binary mode: the "\r\n" reaches the file as written, on every platform.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    *stream << text << "\r\n";
    stream->flush();
    file->close();
}
