// The range card's export: clipboard, PDF, printer, and the printed document the last two share.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "results/cardprinter.h"
#include "results/dopecard.h"
#include "results/rangecard.h"
#include "results/resultsstate.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QLoggingCategory>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

namespace {

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts;
}

QStringList rowTexts(QTextTable* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columns(); ++column) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        texts << cursor.selectedText().replace(QChar::ParagraphSeparator, '\n');
    }
    return texts;
}

QList<QTextTable*> tables(QTextDocument* document)
{
    QList<QTextTable*> found;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            found << table;
    return found;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void exportGoesWhereTheDialogSays_data();
    void exportGoesWhereTheDialogSays();
    void blockColumns_data();
    void blockColumns();
    void printedCardsHoldTheComputedCard_data();
    void printedCardsHoldTheComputedCard();
    void twelveColumnsCopyAndPrintWithoutBreakingWords();

private:
    QTemporaryDir storeDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
};

void TestExport::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([](const QString&, const QString&) {});
    initVantoResources();
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// One rifle and its conditions with the display texts the window feeds; load 0 alone is active.
void TestExport::init()
{
    QSettings().clear();
    settings->initialize();
    settings->setWindVelocity(4.5);
    settings->setWindVelocityUnitStr("m/s");
    settings->setWindAngle(90);
    settings->setTemperature(15);
    settings->setTemperatureUnitStr("C");
    settings->setSightHeight(4.2);
    settings->setSightHeightUnitStr("cm");
    settings->setTwist(10);
    settings->setTwistUnitStr("in");
    settings->setTwistDirection(0);
    settings->setTwistDirectionStr("right");
    settings->setScopeClick(2);
    settings->setScopeClickStr("1/4 moa");
    settings->setKillZone(20);
    settings->setKillZoneUnitStr("cm");
    settings->setPressureUnitStr("mbar");
    // A computed card has rows 100, 200 and 300 (m).
    settings->setCardDisplayClicks(true);
    settings->setAutoRange(false);
    settings->setMaxRange(350);
    settings->setCardStep(100);

    ParameterFile::restoreLoads();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        container->GetShoot(index)->setActive(index == 0);
    Shoot* load = container->GetShoot(0);
    load->setTitle("308 Win 168 gr");
    load->setWeight(168);
    load->setWeightUnitStr("gr");
    load->setMuzzleVelocity(2650);
    load->setMuzzleVelocityUnit(1);
    load->setMuzzleVelocityUnitStr("ft/s");
    load->setCaliber(0.308);
    load->setCaliberUnitStr("in");
    load->setLength(1.215);
    load->setLengthUnitStr("in");
    load->setBCMulti({0, 1500}, {0.43, 0.462});
    load->setGModelStr("G1");
    load->setZeroRange(200);
    load->setZeroRangeUnit(0);
    load->setZeroRangeUnitStr("m");
    load->setNote("Lot 7, 44.5 gr");
    container->setMultiShootBehaviorIndep();
}

void TestExport::exportGoesWhereTheDialogSays_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name"); // the dialog's answer; none when it is cancelled
    QTest::addColumn<QString>("written");
    const auto row = [](const char* tag, const char* button, const char* name, const char* written) {
        QTest::newRow(tag) << QString("pushButton_") + button << QString(name) << QString(written);
    };
    row("PDF, no extension", "exportPdf", "card", "card.pdf");
    row("PDF, other extension", "exportPdf", "card.txt", "card.txt");
    row("PDF over an older file", "exportPdf", "old.pdf", "old.pdf");
    row("PDF cancelled", "exportPdf", "", "");
    row("dope card PDF", "dopeCardPdf", "dope", "dope.pdf");
    row("printed", "print", "printed", "printed");
    row("printing cancelled", "print", "", "");
    row("dope card printed", "printDopeCard", "printed", "printed");
}

// The file dialog is asked once, and a whole PDF replaces the file it names, nothing beside it. The
// print dialog is shown once, on a high-resolution printer. A cancelled dialog writes nothing.
void TestExport::exportGoesWhereTheDialogSays()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QFile old(dir.filePath("old.pdf"));
    QVERIFY(name != "old.pdf" || (old.open(QIODevice::WriteOnly) && old.write("older") == 5 && old.flush()));
    container->Compute();
    RangeCard card(0);
    card.populate();
    int asked = 0;
    card.setSaveFileNameProvider(
        [&](QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
            asked += parent == &card && caption == "Save File" && start == "." && filter == "Pdf (*.pdf)" ? 1 : 100;
            return name.isEmpty() ? QString() : dir.filePath(name);
        });
    card.setPrintDialogStep([&](QPrinter* printer, QWidget* parent) {
        asked += parent == &card && printer->resolution() >= 300 ? 1 : 100;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(name));
        return !name.isEmpty();
    });
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    card.findChild<QPushButton*>(button)->click();
    QDir::setCurrent(previous);

    QCOMPARE(asked, 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        written.isEmpty() ? QStringList() : QStringList{written});
    QFile pdf(dir.filePath(written));
    const QByteArray bytes = written.isEmpty() || !pdf.open(QIODevice::ReadOnly) ? QByteArray() : pdf.readAll();
    QVERIFY2(
        written.isEmpty() || (bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") && bytes.size() > 1000),
        bytes.left(20).constData());
    QCOMPARE(card.findChild<QTableWidget*>("tableWidget")->rowCount(), 3);
}

void TestExport::blockColumns_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QStringList>("lines");
    // The left column, then the right one; "{near}", "{far}", "{max}": the load's point-blank ranges.
    // Rows other than the first give the lines that differ from the plain block.
    QTest::newRow("metric with spin drift")
        << 0
        << QStringList{"Projectile Caliber : 0.308 in", "Ballistic Coeff : 0.43 (0+ fps), 0.462 (1500+ fps) G1",
               "Muzzle Velocity : 2650 ft/s", "Barrel Twist : 10 in", "Sight Heigh : 4.2 cm", "Wind Velocity : 4.5 m/s",
               "Temperature : 15 C", "KillZone : 20 cm", "Near Zero Range : {near}", "Projectile Weight : 168 gr",
               "Length : 1.215 in", "Zero Range : 200 m", "Direction : right", "Scope Click : 1/4 moa",
               "Wind Angle : 90 deg", "Pressure : 1013 hPa", "Max Point Blank Range : {max}", "Far Zero Range : {far}"};
    QTest::newRow("US") << 1 << QStringList{"Near Zero Range : {near}", "Far Zero Range : {far}"};
    QTest::newRow("zero range 0") << 0 << QStringList{"Zero Range : -"};
    // 1013 hPa corrected for 1000 m: the station pressure the solver uses.
    QTest::newRow("pressure at altitude") << 0 << QStringList{"Pressure : 898.524 hPa"};
    QTest::newRow("no usable coefficient")
        << 1 << QStringList{"Ballistic Coeff : 0 G1", "Near Zero Range : -", "Max Point Blank Range : -"};
}

void TestExport::blockColumns()
{
    QFETCH(int, unitSystem);
    QFETCH(QStringList, lines);
    const QString tag = QTest::currentDataTag();
    settings->setUnitSystem(unitSystem);
    settings->setIncludeSpinDrift(tag.contains("spin"));
    Shoot* load = container->GetShoot(0);
    if (tag == "zero range 0") {
        load->setZeroRange(0);
    } else if (tag.contains("altitude")) {
        settings->setAltitudeCorrection(true);
        settings->setAltitude(1000);
    } else if (tag.contains("coefficient")) {
        load->setBCMulti({0}, {0});
    }
    const QList<double> ranges = load->PointBlankRanges();
    for (QString& line : lines)
        line.replace("{near}", CardPrinter::rangeText(ranges[0], unitSystem))
            .replace("{far}", CardPrinter::rangeText(ranges[1], unitSystem))
            .replace("{max}", CardPrinter::rangeText(ranges[4], unitSystem));
    const CardPrinter::Block block = CardPrinter::block(load, settings);
    const QStringList shown = block.left.split('\n') + block.right.split('\n');
    if (tag.contains("spin")) {
        QCOMPARE(shown, lines);
        // Ranges round halves away from zero (the double nearest 100.05 lies below); none is a dash.
        const QStringList texts = {CardPrinter::rangeText(200.0, 0), CardPrinter::rangeText(200.0, 1),
            CardPrinter::rangeText(100.05, 0), CardPrinter::rangeText(0.0, 1), CardPrinter::rangeText(qQNaN(), 0)};
        QCOMPARE(texts, QStringList({"200.0 m", "218.7 yd", "100.1 m", "-", "-"}));
    }
    for (const QString& line : lines)
        QVERIFY2(shown.contains(line), qPrintable(line + " in " + shown.join('|')));
}

void TestExport::printedCardsHoldTheComputedCard_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<double>("wind");
    QTest::addColumn<QList<double>>("windSpeeds");
    QTest::newRow("metric, MOA, set wind") << 0 << 0 << 4.5 << QList<double>{2.25, 4.5, 9};
    QTest::newRow("US, mils, no wind") << 1 << 2 << 0.0 << QList<double>{5, 10, 15};
}

// The dope card shows the range card's numbers as come-ups and holds. Edited since the computation,
// the printed cards say so and keep the title, block, note and table as computed and shown.
void TestExport::printedCardsHoldTheComputedCard()
{
    QFETCH(int, unitSystem);
    QFETCH(int, angleDisplay);
    QFETCH(double, wind);
    QFETCH(QList<double>, windSpeeds);
    settings->setUnitSystem(unitSystem);
    settings->setUseAngleDisplay(angleDisplay);
    settings->setWindVelocity(wind);
    settings->setMaxRange(1100);
    container->Compute();
    Shoot* load = container->GetShoot(0);
    const DopeCard::Table dope = DopeCard::table(*load, *settings);
    QCOMPARE(dope.windSpeeds, windSpeeds);
    QCOMPARE(dope.rows.size(), 10);
    const bool metric = unitSystem == 0;
    const int clicks = metric ? 17 : 23;
    const int angle = metric ? (angleDisplay == 2 ? 15 : 13) : (angleDisplay == 2 ? 21 : 19);
    const int drift = metric ? (angleDisplay == 2 ? 14 : 12) : (angleDisplay == 2 ? 20 : 18);
    for (int row = 0; row < 10; ++row) {
        const DopeCard::Row& line = dope.rows[row];
        QCOMPARE(line.range, load->CardSeries(metric ? 2 : 8).at(row));
        QCOMPARE(line.comeUpClicks, -load->CardSeries(clicks).at(row));
        QCOMPARE(line.comeUpAngle, -load->CardSeries(angle).at(row));
        QVERIFY(wind == 0.0 || line.holds.at(1) == -load->CardSeries(drift).at(row));
        QCOMPARE(line.velocity, load->CardSeries(metric ? 4 : 10).at(row));
        QCOMPARE(line.energy, load->CardSeries(metric ? 5 : 11).at(row));
    }
    // More wind, more hold; a drop far out is a come-up.
    QVERIFY(std::abs(dope.rows.last().holds[2]) > std::abs(dope.rows.last().holds[0]));
    QVERIFY(DopeCard::marked(dope.rows.last().comeUpAngle, 1, "U", "D").endsWith(" U"));

    RangeCard card(0);
    card.populate();
    auto* shown = card.findChild<QTableWidget*>("tableWidget");
    const QString dopeText = card.composeDopeCard()->toPlainText();
    QVERIFY2(dopeText.startsWith("Dope card: 308 Win 168 gr\nZero 200 m"), qPrintable(dopeText));
    const CardPrinter::Block block = CardPrinter::block(load, settings);
    load->setTitle("edited");
    load->setMuzzleVelocity(3100);
    load->setNote("edited");
    settings->setWindVelocity(wind + 3);
    shown->item(0, 0)->setText("edited");

    QStringList lines = card.composeDopeCard()->toPlainText().split('\n');
    lines.removeAll(
        QCoreApplication::translate("DopeCard", "(not recomputed): the inputs changed after the last computation"));
    QCOMPARE(lines.join('\n'), dopeText);
    const std::unique_ptr<QTextDocument> document = card.composeDocument(shown);
    lines = document->toPlainText().split('\n');
    QCOMPARE(lines.mid(0, 3),
        QStringList({ResultsState::outOfDateText(), "308 Win 168 gr",
            "Vanto v2.1.1 - Vanto user manual (doc/vanto_UserManual_en.pdf)"}));
    const int note = lines.indexOf("Note : Lot 7, 44.5 gr");
    QVERIFY2(note > 2, qPrintable(lines.join('|')));
    QCOMPARE(lines.mid(note + 1, 3), QStringList({"", "", metric ? "Range (m)" : "Range (yd)"}));
    const QList<QTextTable*> found = tables(document.get());
    QCOMPARE(found.size(), 2);
    QCOMPARE(rowTexts(found[0], 0), QStringList({block.left, block.right}));
    QTextTable* printed = found[1];
    QCOMPARE(printed->rows(), shown->rowCount() + 1);
    QCOMPARE(printed->format().headerRowCount(), 1); // repeated on every page
    for (int row = 0; row < shown->rowCount(); ++row)
        QCOMPARE(rowTexts(printed, row + 1), rowTexts(shown, row));
}

// Twelve columns: the copy is the header and the rows, tab-separated in the table's order. On the
// A4 page the printer gets, no header word and no number is broken across lines.
void TestExport::twelveColumnsCopyAndPrintWithoutBreakingWords()
{
    settings->setCardDisplayMOA(true);
    settings->setCardDisplayMils(true);
    container->Compute();
    RangeCard card(0);
    card.populate();
    auto* table = card.findChild<QTableWidget*>("tableWidget");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("stale");
    card.findChild<QPushButton*>("pushButton_copy")->click();
    const QStringList lines = clipboard->text().split('\n');
    QCOMPARE(lines.size(), 5); // header, three rows, and the empty rest after the last line feed
    QCOMPARE(lines[0],
        QString("Range (m)\tDrop (cm)\tDrop (MOA)\tDrop (mils)\tDrop (clicks)\tDrift (cm)\tDrift (MOA)\t"
                "Drift (mils)\tDrift (clicks)\tVelocity (m/s)\tEnergy (J)\tTime of flight (s)\t"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(lines[row + 1].split('\t'), rowTexts(table, row));
    QCOMPARE(lines[3].section('\t', 0, 0), QString("300"));
    QVERIFY2(!table->selectionModel()->hasSelection(), "the copy leaves no selection behind");

    const std::unique_ptr<QTextDocument> document = card.composeDocument(table);
    QVERIFY(document->toPlainText().contains(CardPrinter::pointBlankNote()));

    const auto brokenWords = [&] {
        document->documentLayout()->documentSize();
        QStringList broken;
        QTextTable* printed = tables(document.get()).last();
        for (int row = 0; row < printed->rows(); ++row)
            for (int column = 0; column < printed->columns(); ++column) {
                QTextBlock block = printed->cellAt(row, column).firstCursorPosition().block();
                for (int line = 1; line < block.layout()->lineCount(); ++line)
                    if (!block.text().at(block.layout()->lineAt(line).textStart() - 1).isSpace())
                        broken << block.text();
            }
        return broken;
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // Ten-point text on a portrait A4 breaks them: the page must be chosen.
    const QSizeF area = printer.pageLayout().paintRect(QPageLayout::Point).size();
    document->setPageSize(area * 96.0 / 72.0);
    QVERIFY(!brokenWords().isEmpty());
    CardPrinter::fitToPage(document.get(), &printer);
    QVERIFY2(brokenWords().isEmpty(), qPrintable(brokenWords().join(", ")));
    const QSizeF laid = printer.pageLayout().paintRect(QPageLayout::Point).size();
    QVERIFY(qAbs(document->pageSize().width() / document->pageSize().height() - laid.width() / laid.height()) < 1e-6);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
