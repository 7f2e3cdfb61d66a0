// The user manual: the three PDFs beside the executable, their pages and pictures, and the
// Markdown sources they come from, each language with every chapter.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cctype>

namespace {

const QStringList languages = {"en", "fr", "it"};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString pdfPath(const QString& lang)
{
    return QCoreApplication::applicationDirPath() + "/doc/vanto_UserManual_" + lang + ".pdf";
}

QString sourcePath(const QString& lang)
{
    return QStringLiteral(VANTO_MANUAL_SOURCES) + "/" + lang + ".md";
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
    void pdfIsThere_data();
    void pdfIsThere();
    void picturesAreEmbedded_data();
    void picturesAreEmbedded();
    void languagesHaveTheSameChapters_data();
    void languagesHaveTheSameChapters();
    void sourcesNameWhatTheProgramShows_data();
    void sourcesNameWhatTheProgramShows();
    void picturesExist_data();
    void picturesExist();
};

void TestManual::pdfIsThere_data()
{
    QTest::addColumn<QString>("lang");
    for (const QString& lang : languages)
        QTest::newRow(qPrintable(lang)) << lang;
}

void TestManual::pdfIsThere()
{
    QFETCH(QString, lang);
    const QByteArray pdf = readAll(pdfPath(lang));
    QVERIFY2(!pdf.isEmpty(), qPrintable("missing or empty: " + pdfPath(lang)));
    QVERIFY2(pdf.startsWith("%PDF-"), pdf.left(8).constData());
    QVERIFY2(pdf.trimmed().endsWith("%%EOF"), "the PDF is not complete");
    // One page object per page: a title page, a contents page and a page per chapter at least.
    const int pages = pdf.count(QByteArray("/Type /Page")) - pdf.count(QByteArray("/Type /Pages"));
    const int chapters = headings(QString::fromUtf8(readAll(sourcePath(lang))), 1).size();
    QVERIFY2(chapters >= 10, qPrintable(QString("%1 chapters").arg(chapters)));
    QVERIFY2(pages >= chapters + 2, qPrintable(QString("%1 pages for %2 chapters").arg(pages).arg(chapters)));
    // A4 in points.
    QVERIFY2(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"), "not an A4 page");
}

void TestManual::picturesAreEmbedded_data()
{
    pdfIsThere_data();
}

// Guards against relative image paths that print as the 16x16 "broken image" icon.
void TestManual::picturesAreEmbedded()
{
    QFETCH(QString, lang);
    const QByteArray pdf = readAll(pdfPath(lang));
    const QByteArray key("/Width ");
    int screenshots = 0;
    for (int at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        int end = at + key.size();
        while (end < pdf.size() && std::isdigit(static_cast<unsigned char>(pdf.at(end))))
            ++end;
        const int width = pdf.mid(at + key.size(), end - at - key.size()).toInt();
        QVERIFY2(width > 16, qPrintable(QString("an image %1 pixels wide: a broken image?").arg(width)));
        if (width >= 1000)
            ++screenshots;
    }
    QVERIFY2(screenshots >= 3, qPrintable(QString("%1 screenshots embedded").arg(screenshots)));
}

void TestManual::languagesHaveTheSameChapters_data()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("fr") << "fr";
    QTest::newRow("it") << "it";
}

void TestManual::languagesHaveTheSameChapters()
{
    QFETCH(QString, lang);
    const QString english = QString::fromUtf8(readAll(sourcePath("en")));
    const QString other = QString::fromUtf8(readAll(sourcePath(lang)));
    QVERIFY(!other.isEmpty());
    for (int level = 1; level <= 3; ++level)
        QCOMPARE(headings(other, level).size(), headings(english, level).size());
}

void TestManual::sourcesNameWhatTheProgramShows_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("text");
    // Names the program shows untranslated, commands and the conversion factors it uses.
    const QStringList fixed = {"Independant", "Same Zero Range", "Same Angle", "vanto-cli bc", ".vnt", "G1", "G7", "G8",
        "1.0936133", "0.3048", "0.06479891", "0.737562149", "1.3332239", "0.0174533", "3437.7467707849396", "(P/1000)",
        "vanto_UserManual_", "1 014"};
    // The screenshots of the manual's own language.
    const QStringList pictures = {"graph", "range-card", "load-page", "dbselector", "custodbmanager", "bcfromvfinder",
        "killzonesetter", "printed-card"};
    for (const QString& lang : languages) {
        for (const QString& text : fixed)
            QTest::newRow(qPrintable(lang + ": " + text)) << lang << text;
        for (const QString& picture : pictures)
            QTest::newRow(qPrintable(lang + ": " + picture))
                << lang << "../screenshots/" + lang + '/' + picture + ".png";
    }
}

void TestManual::sourcesNameWhatTheProgramShows()
{
    QFETCH(QString, lang);
    QFETCH(QString, text);
    const QString markdown = QString::fromUtf8(readAll(sourcePath(lang)));
    QVERIFY2(markdown.contains(text), qPrintable(lang + ".md does not mention " + text));
}

void TestManual::picturesExist_data()
{
    pdfIsThere_data();
}

void TestManual::picturesExist()
{
    QFETCH(QString, lang);
    const QString markdown = QString::fromUtf8(readAll(sourcePath(lang)));
    const QRegularExpression imageExpr("!\\[[^\\]]*\\]\\(([^)]+)\\)");
    auto it = imageExpr.globalMatch(markdown);
    int count = 0;
    while (it.hasNext()) {
        const QString relative = it.next().captured(1);
        const QString path = QDir(QStringLiteral(VANTO_MANUAL_SOURCES)).filePath(relative);
        QVERIFY2(QFile::exists(path), qPrintable("missing picture " + path));
        ++count;
    }
    QVERIFY2(count >= 3, qPrintable(QString("%1 pictures").arg(count)));
}

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
