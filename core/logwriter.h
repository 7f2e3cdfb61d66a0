#pragma once

#include <QString>

#include <memory>

class QFile;
class QTextStream;

// LogWriter appends diagnostic lines to a plain text file beside the program: start-up and
// the bullet-database dialogs write there, nothing else. Every line ends in "\r\n" whatever
// the platform, the text is UTF-8, and the file is opened, written, flushed and closed again
// for each line, so several writers on the same file never interleave within a line.
// Every I/O failure is ignored: a writer never reports anything, and a file deleted from
// outside is simply created again by the next write.
class LogWriter {
public:
    // The file is <directory of the executable>/<name>.txt.
    explicit LogWriter(const QString& name);
    // The file is <directory>/<name>.txt (for tools and tests that log elsewhere).
    LogWriter(const QString& directory, const QString& name);
    ~LogWriter();

    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // Appends text as one line.
    void write(const QString& text);
    // Deletes the file, then starts it again with the line "réinitialisation du logwriter !".
    void reset();

    QString fileName() const;

private:
    void appendLine(const QString& text);

    std::unique_ptr<QFile> file;
    std::unique_ptr<QTextStream> stream;
};
