// vanto-mdtopdf: renders a Markdown file to an A4 PDF, used at build time for the user manual.
//
//   vanto-mdtopdf in.md out.pdf [contents-title]
//
// The first level-1 heading and the paragraphs up to the next one make the title page; with
// a contents title, a contents page follows it; every following level-1 heading starts a new
// page. Images are looked up relative to the Markdown file and scaled down to fit the text
// width. Pages after the title page carry their number. Runs without a screen
// (QT_QPA_PLATFORM=offscreen).

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>

#include <cstdio>
#include <vector>

namespace {

constexpr double marginMm = 20.0;
constexpr double bodyPointSize = 10.0;
constexpr double inlineCodePointSize = 9.5;
const QString monoFamily = QStringLiteral("DejaVu Sans Mono");
const QColor headingColor(0x1f, 0x3a, 0x5f);

// Heading sizes in points, by level.
double headingPointSize(int level)
{
    switch (level) {
    case 1:
        return 20.0;
    case 2:
        return 14.0;
    case 3:
        return 12.0;
    default:
        return 11.0;
    }
}

// Applies a character format to every fragment of a block. The Markdown import sizes headings
// with a relative size adjustment, which would override an absolute size: it is removed.
void formatBlockText(QTextDocument& doc, const QTextBlock& block, const QTextCharFormat& change)
{
    std::vector<std::pair<QTextCursor, QTextCharFormat>> edits;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat())
            continue;
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.merge(change);
        QTextCursor cursor(&doc);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        edits.emplace_back(cursor, format);
    }
    for (auto& edit : edits)
        edit.first.setCharFormat(edit.second);
}

// Block margins, like image sizes and tab positions, are in pixels at 96 dpi; the layout scales
// them to the printer.
void styleBlocks(QTextDocument& doc)
{
    bool titleSeen = false;
    bool firstTitle = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat blockFormat = block.blockFormat();
        const int level = blockFormat.headingLevel();
        const bool isCode = blockFormat.hasProperty(QTextFormat::BlockCodeFence)
            || blockFormat.hasProperty(QTextFormat::BlockCodeLanguage);
        if (level > 0) {
            QTextCharFormat charFormat;
            charFormat.setFontPointSize(headingPointSize(level));
            charFormat.setFontWeight(QFont::Bold);
            charFormat.setForeground(headingColor);
            if (level == 1 && firstTitle) {
                // The title of the title page.
                charFormat.setFontPointSize(30.0);
                blockFormat.setBottomMargin(30.0);
                blockFormat.setAlignment(Qt::AlignHCenter);
                firstTitle = false;
                titleSeen = true;
            } else {
                blockFormat.setTopMargin(level == 1 ? 0.0 : 12.0);
                blockFormat.setBottomMargin(level == 1 ? 14.0 : 5.0);
                if (level == 1) {
                    blockFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    titleSeen = false;
                }
            }
            blockFormat.setNonBreakableLines(true);
            cursor.setBlockFormat(blockFormat);
            formatBlockText(doc, block, charFormat);
        } else if (titleSeen) {
            // Lines of the title page under the title.
            blockFormat.setAlignment(Qt::AlignHCenter);
            blockFormat.setBottomMargin(12.0);
            cursor.setBlockFormat(blockFormat);
            QTextCharFormat charFormat;
            charFormat.setFontPointSize(13.0);
            formatBlockText(doc, block, charFormat);
        } else if (isCode) {
            QTextCharFormat charFormat;
            charFormat.setFontFamily(monoFamily);
            charFormat.setFontPointSize(8.5);
            formatBlockText(doc, block, charFormat);
            blockFormat.setBackground(QColor(0xf2, 0xf2, 0xf2));
            blockFormat.setLeftMargin(8.0);
            cursor.setBlockFormat(blockFormat);
        } else {
            blockFormat.setBottomMargin(std::max(blockFormat.bottomMargin(), 5.0));
            blockFormat.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
            cursor.setBlockFormat(blockFormat);
        }
    }
}

// Inline `code` in a monospace font; images no wider than most of the text width.
void styleFragments(QTextDocument& doc, double textWidth, double deviceDpi)
{
    struct Change {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                const QVariant resource = doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
                const QImage picture = resource.value<QImage>();
                if (picture.isNull()) {
                    std::fprintf(stderr, "vanto-mdtopdf: image not found: %s\n", qPrintable(image.name()));
                    continue;
                }
                // Image sizes are in pixels at 96 dpi; the layout scales them to the printer.
                const double maxWidth = 0.75 * textWidth * 96.0 / deviceDpi;
                double width = picture.width();
                double height = picture.height();
                if (width > maxWidth) {
                    height *= maxWidth / width;
                    width = maxWidth;
                }
                image.setWidth(width);
                image.setHeight(height);
                changes.push_back({fragment.position(), fragment.length(), image});
            } else if (format.hasProperty(QTextFormat::FontFamily) && format.fontFamily() != monoFamily) {
                // Inline code: the import gives it the system's fixed font, which offscreen is a
                // sans-serif one at its own size.
                format.setFontFamily(monoFamily);
                format.setFontFixedPitch(true);
                format.setFontPointSize(inlineCodePointSize);
                changes.push_back({fragment.position(), fragment.length(), format});
            }
        }
    }
    for (const Change& change : changes) {
        QTextCursor cursor(&doc);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

// Tables with padded cells, single rules and a shaded header row.
void styleTables(QTextDocument& doc)
{
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4.0);
        format.setCellSpacing(0.0);
        format.setBorder(1.0);
        format.setBorderBrush(QColor(0x88, 0x88, 0x88));
        format.setBorderCollapse(true);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat cellFormat = cell.format();
            cellFormat.setBackground(QColor(0xe4, 0xea, 0xf2));
            cell.setFormat(cellFormat);
        }
    }
}

// A contents page after the title page: one line per chapter (level-1 heading) with its page
// number. The numbers are filled in once the contents page is laid out; the contents page ends
// with a page break, so writing them moves no chapter.
void insertContents(QTextDocument& doc, const QString& contentsTitle, double pageHeight, double deviceDpi)
{
    std::vector<QTextBlock> chapters;
    bool titleSkipped = false;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (titleSkipped)
            chapters.push_back(block);
        titleSkipped = true;
    }
    if (chapters.empty())
        return;

    QTextCursor cursor(chapters.front().previous());
    cursor.movePosition(QTextCursor::EndOfBlock);
    QTextBlockFormat headingFormat;
    headingFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    headingFormat.setBottomMargin(14.0);
    QTextCharFormat headingText;
    headingText.setFontPointSize(headingPointSize(1));
    headingText.setFontWeight(QFont::Bold);
    headingText.setForeground(headingColor);
    cursor.insertBlock(headingFormat, headingText);
    cursor.insertText(contentsTitle);

    // Tab positions are in pixels at 96 dpi, like image sizes.
    const double textWidth = doc.pageSize().width() * 96.0 / deviceDpi;
    QTextBlockFormat entryFormat;
    entryFormat.setTabPositions({QTextOption::Tab(textWidth - 1.0, QTextOption::RightTab)});
    entryFormat.setBottomMargin(6.0);
    QTextCharFormat entryText;
    entryText.setFontPointSize(11.0);
    const QString placeholder = QStringLiteral("00");
    std::vector<QTextBlock> entries;
    for (const QTextBlock& chapter : chapters) {
        cursor.insertBlock(entryFormat, entryText);
        cursor.insertText(chapter.text() + '\t' + placeholder);
        entries.push_back(cursor.block());
    }

    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        const int page = static_cast<int>(layout->blockBoundingRect(chapters[i]).top() / pageHeight) + 1;
        QTextCursor number(entries[i]);
        number.movePosition(QTextCursor::EndOfBlock);
        number.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, placeholder.size());
        number.insertText(QString::number(page));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: vanto-mdtopdf in.md out.pdf [contents-title]\n");
        return 2;
    }
    const QString inPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);
    const QString contentsTitle = argc == 4 ? QString::fromUtf8(argv[3]) : QString();
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vanto-mdtopdf: cannot read %s\n", argv[1]);
        return 3;
    }
    const QString markdown = QString::fromUtf8(in.readAll());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    printer.setCreator("Vanto");

    QTextDocument doc;
    // Relative image paths resolve against the Markdown file's folder; print() would drop a
    // base URL, the document URL survives.
    const QString dir = QFileInfo(inPath).absolutePath();
    doc.setMetaInformation(QTextDocument::DocumentUrl, QUrl::fromLocalFile(dir + "/").toString());
    doc.setBaseUrl(QUrl::fromLocalFile(dir + "/"));
    doc.documentLayout()->setPaintDevice(&printer);
    QFont font("DejaVu Sans");
    font.setPointSizeF(bodyPointSize);
    doc.setDefaultFont(font);
    doc.setMarkdown(markdown);

    const double dpi = printer.resolution();
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double footer = 10.0 / 25.4 * dpi; // room for the page number
    const QSizeF bodySize(page.width(), page.height() - footer);
    doc.setPageSize(bodySize);
    doc.setDocumentMargin(0.0);
    styleBlocks(doc);
    styleFragments(doc, bodySize.width(), dpi);
    styleTables(doc);
    if (!contentsTitle.isEmpty())
        insertContents(doc, contentsTitle, bodySize.height(), dpi);
    const QString title = doc.begin().text();
    printer.setDocName(title);
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);

    QPainter painter;
    if (!painter.begin(&printer)) {
        std::fprintf(stderr, "vanto-mdtopdf: cannot write %s\n", argv[2]);
        return 3;
    }
    const int pages = doc.pageCount();
    QFont numberFont(font);
    numberFont.setPointSizeF(9.0);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        if (index == 0)
            painter.translate(0.0, bodySize.height() / 4.0); // the title a quarter down the page
        const QRectF clip(0.0, index * bodySize.height(), bodySize.width(), bodySize.height());
        painter.translate(0.0, -clip.top());
        doc.drawContents(&painter, clip);
        painter.restore();
        if (index > 0) {
            painter.setFont(numberFont);
            painter.setPen(Qt::darkGray);
            painter.drawText(QRectF(0.0, bodySize.height(), bodySize.width(), footer),
                Qt::AlignHCenter | Qt::AlignBottom, QString::number(index + 1));
        }
    }
    painter.end();
    return 0;
}
