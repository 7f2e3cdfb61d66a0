// The user manual: the three PDFs beside the executable, their pages and pictures, and the
// Markdown sources they come from, each language with every chapter.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cstdlib>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString source(const QString& lang)
{
    return QString::fromUtf8(readAll(QStringLiteral(VANTO_MANUAL_SOURCES) + "/" + lang + ".md"));
}

// Headings of one level, in order.
QStringList headings(const QString& markdown, int level)
{
    QStringList result;
    const QString mark = QString(level, '#') + ' ';
    bool inCode = false;
    for (const QString& line : markdown.split('\n')) {
        if (line.startsWith("```"))
            inCode = !inCode;
        if (!inCode && line.startsWith(mark))
            result << line.mid(mark.size()).trimmed();
    }
    return result;
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT

private slots:
    void manual_data();
    void manual();
};

void TestManual::manual_data()
{
    QTest::addColumn<QString>("lang");
    for (const char* lang : {"en", "fr", "it"})
        QTest::newRow(lang) << QString(lang);
}

void TestManual::manual()
{
    QFETCH(QString, lang);
    const QString markdown = source(lang);
    const QByteArray pdf = readAll(QCoreApplication::applicationDirPath() + "/doc/vanto_UserManual_" + lang + ".pdf");
    QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    // A4 pages: a title page, a contents page and a page per chapter at least.
    const int pages = pdf.count(QByteArray("/Type /Page")) - pdf.count(QByteArray("/Type /Pages"));
    const int chapters = headings(markdown, 1).size();
    QVERIFY2(
        chapters >= 10 && pages >= chapters + 2, qPrintable(QString("%1 pages, %2 chapters").arg(pages).arg(chapters)));
    QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
    for (int level = 1; level <= 3; ++level)
        QCOMPARE(headings(markdown, level).size(), headings(source("en"), level).size());

    // Relative picture paths print as the 16x16 "broken image" icon.
    int screenshots = 0;
    for (int at = pdf.indexOf("/Width "); at >= 0; at = pdf.indexOf("/Width ", at + 1)) {
        const int pixels = std::atoi(pdf.constData() + at + 7);
        QVERIFY2(pixels > 16, "a broken image in the PDF");
        screenshots += pixels >= 1000;
    }
    QVERIFY2(screenshots >= 3, qPrintable(QString("%1 screenshots embedded").arg(screenshots)));
    int pictures = 0;
    for (auto it = QRegularExpression("!\\[[^\\]]*\\]\\(([^)]+)\\)").globalMatch(markdown); it.hasNext(); ++pictures) {
        const QString path = QDir(QStringLiteral(VANTO_MANUAL_SOURCES)).filePath(it.next().captured(1));
        QVERIFY2(QFile::exists(path), qPrintable("missing picture " + path));
    }
    QVERIFY(pictures >= 3);

    // Names the program shows untranslated, commands, the conversion factors it uses and the
    // screenshots of the manual's own language.
    QStringList texts = {"Independant", "Same Zero Range", "Same Angle", "vanto-cli bc", ".vnt", "G1", "G7", "G8",
        "1.0936133", "0.3048", "0.06479891", "0.737562149", "1.3332239", "0.0174533", "3437.7467707849396", "(P/1000)",
        "vanto_UserManual_", "1 014"};
    for (const char* picture : {"graph", "range-card", "load-page", "dbselector", "custodbmanager", "bcfromvfinder",
             "killzonesetter", "printed-card"})
        texts << "../screenshots/" + lang + '/' + picture + ".png";
    QStringList missing;
    for (const QString& text : texts)
        if (!markdown.contains(text))
            missing << text;
    QVERIFY2(missing.isEmpty(), qPrintable(lang + ".md does not mention " + missing.join(", ")));
}

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
