#include "results/pdfexport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace PdfExport {
namespace {

// A PDF file ends with its end-of-file marker, possibly followed by a line end; one that a full
// disk cut short does not.
bool isWholePdf(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8 || !file.read(5).startsWith("%PDF-"))
        return false;
    file.seek(std::max<qint64>(0, file.size() - 32));
    return file.readAll().trimmed().endsWith("%%EOF");
}

} // namespace

QString withSuffix(const QString& name)
{
    return QFileInfo(name).fileName().contains('.') ? name : name + ".pdf";
}

bool write(const QString& fileName, const Painting& paint, QString* errorText)
{
    const auto fail = [&](const QString& why) {
        if (errorText)
            *errorText = why;
        return false;
    };
    const QFileInfo target(fileName);
    if (target.isDir())
        return fail(QCoreApplication::translate("PdfExport", "This is a folder."));

    QTemporaryFile draft(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (!draft.open())
        return fail(
            QCoreApplication::translate("PdfExport", "The folder cannot be written: %1").arg(draft.errorString()));
    draft.close();

    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(draft.fileName());
        paint(&printer);
        if (printer.printerState() == QPrinter::Error)
            return fail(QCoreApplication::translate("PdfExport", "The printing system reported an error."));
    }
    if (!isWholePdf(draft.fileName()))
        return fail(
            QCoreApplication::translate("PdfExport", "The file could not be written whole: the disk may be full."));

    // An older file keeps its permissions; a new one gets those of a file the user creates.
    const QFileDevice::Permissions permissions = target.exists() ? QFile::permissions(fileName)
                                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    draft.setPermissions(permissions);
    // rename() replaces the target in one step, where QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(draft.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
        return fail(QCoreApplication::translate("PdfExport", "The file could not be put in place: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    draft.setAutoRemove(false);
    return true;
}

bool write(const QString& fileName, QTextDocument* document, QString* errorText)
{
    return write(
        fileName, [document](QPrinter* printer) { document->print(printer); }, errorText);
}

} // namespace PdfExport
