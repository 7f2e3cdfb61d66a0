#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QTextDocument;

// Writing a PDF file for the exports (range card, and any other printed document). The file is
// written under a temporary name in the target's folder, checked whole, then renamed over the
// target in one step: a folder that cannot be written or a full disk leaves no half file and an
// older file of that name as it was.
namespace PdfExport {

// name with ".pdf" appended when its last component has no extension at all.
QString withSuffix(const QString& name);

// Paints into a PDF printer prepared for fileName; draws the whole document.
using Painting = std::function<void(QPrinter*)>;

// Writes fileName through paint. On failure returns false and says why in errorText.
bool write(const QString& fileName, const Painting& paint, QString* errorText = nullptr);
// Writes document, paginated with the printer's default page layout.
bool write(const QString& fileName, QTextDocument* document, QString* errorText = nullptr);

} // namespace PdfExport
