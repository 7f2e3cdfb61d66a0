// The range card's export: the clipboard text, the PDF file and the printer, and the printed
// document (block of load and conditions, note, card table) that the last two share.
#include "app/resources.h"
#include "app/version.h"
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
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

#include <limits>

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Clipboard
    void copyPutsTheCardOnTheClipboard();
    void copyOfACardWithoutRows();

    // PDF and printer
    void pdfIsWrittenUnderTheNameGiven_data();
    void pdfIsWrittenUnderTheNameGiven();
    void pdfCancelledWritesNothing();
    void printFollowsTheDialog_data();
    void printFollowsTheDialog();

    // The printed document
    void rangeText_data();
    void rangeText();
    void blockColumns_data();
    void blockColumns();
    void documentTitleNoteAndBlock();
    void documentCardTable();
    void dopeCardAgreesWithTheRangeCard_data();
    void dopeCardAgreesWithTheRangeCard();
    void twelveColumnsPrintWithoutBreakingWords();

private:
    // Card of load 0 computed with 100 m steps up to 350 m: rows 100, 200, 300.
    void computeThreeRows();
    static QTableWidget* tableOf(RangeCard& card);
    static QString cellText(QTextTable* table, int row, int column);
    static QList<QTextTable*> tables(QTextDocument* document);
    static QStringList rowTexts(const QTableWidget* table, int row);

    QTemporaryDir storeDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
};

void TestExport::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QVERIFY(storeDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([](const QString&, const QString&) {});
    initVantoResources();
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// Defaults, then one rifle and its conditions with the display texts the window would feed;
// load 0 is the only active load.
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
    // Two bands: 0.462 above 1500 ft/s, 0.43 below.
    load->setBCMulti({0, 1500}, {0.43, 0.462});
    load->setGModelStr("G1");
    load->setZeroRange(200);
    load->setZeroRangeUnit(0);
    load->setZeroRangeUnitStr("m");
    load->setNote("Lot 7, 44.5 gr");
    container->setMultiShootBehaviorIndep();
}

void TestExport::computeThreeRows()
{
    settings->setCardDisplayClicks(true);
    settings->setAutoRange(false);
    settings->setMaxRange(350);
    settings->setCardStep(100);
    container->Compute();
}

QTableWidget* TestExport::tableOf(RangeCard& card)
{
    return card.findChild<QTableWidget*>("tableWidget");
}

QStringList TestExport::rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts;
}

QString TestExport::cellText(QTextTable* table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, '\n');
}

QList<QTextTable*> TestExport::tables(QTextDocument* document)
{
    QList<QTextTable*> found;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            found << table;
    return found;
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void TestExport::copyPutsTheCardOnTheClipboard()
{
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    QTableWidget* table = tableOf(card);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 8);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("stale");

    card.findChild<QPushButton*>("pushButton_copy")->click();

    const QString copied = clipboard->text(QClipboard::Clipboard);
    QVERIFY2(copied.endsWith('\n') && !copied.contains('\r'), qPrintable(copied));
    const QStringList lines = copied.split('\n');
    QCOMPARE(lines.size(), 5); // header, three rows, and the empty rest after the last line feed
    QCOMPARE(lines[0],
        QString("Range (m)\tDrop (cm)\tDrop (clicks)\tDrift (cm)\tDrift (clicks)\tVelocity (m/s)\tEnergy (J)\t"
                "Time of flight (s)\t"));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(lines[row + 1].count('\t'), 7);
        // The copied row parses back into the row of the table.
        QCOMPARE(lines[row + 1].split('\t'), rowTexts(table, row));
    }
    QCOMPARE(lines[3].section('\t', 0, 0), QString("300"));
    QVERIFY2(!table->selectionModel()->hasSelection(), "the copy leaves no selection behind");
}

void TestExport::copyOfACardWithoutRows()
{
    // A trajectory shorter than one card step: the card stays enabled with no rows.
    computeThreeRows();
    settings->setCardDisplayClicks(false);
    settings->setUnitSystem(1);
    settings->setCardStep(1000);
    container->Compute();
    RangeCard card(0);
    card.populate();
    QCOMPARE(tableOf(card)->rowCount(), 0);
    QVERIFY(card.isEnabled());

    card.findChild<QPushButton*>("pushButton_copy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QString("Range (yd)\tDrop (in)\tDrift (in)\tVelocity (fps)\tEnergy (ft.lbs)\tTime of flight (s)\t\n"));
}

// ---------------------------------------------------------------------------------------------
// PDF and printer

void TestExport::pdfIsWrittenUnderTheNameGiven_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "card" << "pushButton_exportPdf" << "card.pdf";
    QTest::newRow("pdf extension") << "card.pdf" << "pushButton_exportPdf" << "card.pdf";
    QTest::newRow("other extension") << "card.txt" << "pushButton_exportPdf" << "card.txt";
    QTest::newRow("dope card") << "dope" << "pushButton_dopeCardPdf" << "dope.pdf";
}

void TestExport::pdfIsWrittenUnderTheNameGiven()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    int asked = 0;
    card.setSaveFileNameProvider(
        [&](QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
            ++asked;
            [&] {
                QCOMPARE(parent, &card);
                QCOMPARE(caption, QString("Save File"));
                QCOMPARE(start, QString("."));
                QCOMPARE(filter, QString("Pdf (*.pdf)"));
            }();
            return dir.filePath(name);
        });

    card.findChild<QPushButton*>(button)->click();

    QCOMPARE(asked, 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written}); // nothing else
    QFile pdf(dir.filePath(written));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(4), QByteArray("%PDF"));
    QVERIFY2(pdf.size() > 1000, qPrintable(QString::number(pdf.size())));
}

void TestExport::pdfCancelledWritesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    card.setSaveFileNameProvider([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    card.on_pushButton_exportPdf_clicked();

    QDir::setCurrent(previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestExport::printFollowsTheDialog_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("button");
    QTest::newRow("accepted") << true << "pushButton_print";
    QTest::newRow("cancelled") << false << "pushButton_print";
    QTest::newRow("dope card") << true << "pushButton_printDopeCard";
}

void TestExport::printFollowsTheDialog()
{
    QFETCH(bool, accepted);
    QFETCH(QString, button);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString output = dir.filePath("printed");
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    int shown = 0;
    card.setPrintDialogStep([&](QPrinter* printer, QWidget* parent) {
        ++shown;
        [&] {
            QCOMPARE(parent, &card);
            // High resolution: a screen-resolution printer would print a coarse card.
            QVERIFY2(printer->resolution() >= 300, qPrintable(QString::number(printer->resolution())));
        }();
        // What the user picks in the dialog: printing to a file.
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        return accepted;
    });

    card.findChild<QPushButton*>(button)->click();

    QCOMPARE(shown, 1);
    QCOMPARE(QFile::exists(output), accepted);
    if (accepted) {
        QFile pdf(output);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
    }
    QCOMPARE(tableOf(card)->rowCount(), 3); // printing leaves the card as it was
}

// ---------------------------------------------------------------------------------------------
// The printed document

void TestExport::rangeText_data()
{
    QTest::addColumn<double>("metres");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QString>("text");
    QTest::newRow("metres keep one decimal") << 200.0 << 0 << "200.0 m";
    QTest::newRow("yards") << 200.0 << 1 << "218.7 yd";
    QTest::newRow("tenths") << 183.26 << 0 << "183.3 m";
    // Rounded as round(z × 10) / 10, halves away from zero. The doubles nearest 0.35 and 100.05
    // lie just below the half, so a fixed-point format alone would write 0.3 and 100.0.
    QTest::newRow("half: 0.35 m") << 0.35 << 0 << "0.4 m";
    QTest::newRow("half: 100.05 m") << 100.05 << 0 << "100.1 m";
    QTest::newRow("not found: zero") << 0.0 << 0 << "-";
    QTest::newRow("not found: zero in yards") << 0.0 << 1 << "-";
    QTest::newRow("not found: NaN") << std::numeric_limits<double>::quiet_NaN() << 1 << "-";
    QTest::newRow("not found: infinite") << std::numeric_limits<double>::infinity() << 0 << "-";
}

void TestExport::rangeText()
{
    QFETCH(double, metres);
    QFETCH(int, unitSystem);
    QFETCH(QString, text);
    QCOMPARE(CardPrinter::rangeText(metres, unitSystem), text);
}

namespace {

enum class Variant {
    Plain,
    ZeroRangeZero,
    PressureInMmHg,
    PressureAtAltitude,
    NoUsableCoefficient,
};

} // namespace

Q_DECLARE_METATYPE(Variant)

void TestExport::blockColumns_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<bool>("spinDrift");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("right");

    // "{near}", "{far}" and "{max}" stand for the load's point-blank ranges in the row's units.
    const auto left = [](bool spin) {
        QStringList lines = {"Projectile Caliber : 0.308 in", "Ballistic Coeff : 0.43 (0+ fps), 0.462 (1500+ fps) G1",
            "Muzzle Velocity : 2650 ft/s", "Sight Heigh : 4.2 cm", "Wind Velocity : 4.5 m/s", "Temperature : 15 C",
            "KillZone : 20 cm", "Near Zero Range : {near}"};
        if (spin)
            lines.insert(3, "Barrel Twist : 10 in");
        return lines;
    };
    const auto right = [](bool spin, const QString& pressure = "1013 hPa") {
        QStringList lines = {"Projectile Weight : 168 gr", "Length : 1.215 in", "Zero Range : 200 m",
            "Scope Click : 1/4 moa", "Wind Angle : 90 deg", "Pressure : " + pressure, "Max Point Blank Range : {max}",
            "Far Zero Range : {far}"};
        if (spin)
            lines.insert(3, "Direction : right");
        return lines;
    };

    for (int unit : {0, 1})
        for (bool spin : {false, true}) {
            const QString tag = QString(unit == 0 ? "metric" : "US") + (spin ? " with spin drift" : "");
            QTest::newRow(qPrintable(tag)) << unit << spin << Variant::Plain << left(spin) << right(spin);
        }
    QStringList zeroRight = right(false);
    zeroRight[2] = "Zero Range : -";
    QTest::newRow("zero range 0") << 0 << false << Variant::ZeroRangeZero << left(false) << zeroRight;
    // 750 mmHg × 1.3332239: the number is always in hPa, whatever unit the user typed.
    QTest::newRow("pressure typed in mmHg")
        << 0 << false << Variant::PressureInMmHg << left(false) << right(false, "999.918 hPa");
    // 1013 hPa corrected for 1000 m: the station pressure the solver uses.
    QTest::newRow("pressure at altitude")
        << 0 << false << Variant::PressureAtAltitude << left(false) << right(false, "898.524 hPa");
    QStringList noneLeft = left(false);
    noneLeft[1] = "Ballistic Coeff : 0 G1";
    noneLeft.last() = "Near Zero Range : -";
    QStringList noneRight = right(false);
    noneRight[6] = "Max Point Blank Range : -";
    noneRight[7] = "Far Zero Range : -";
    QTest::newRow("no usable coefficient") << 1 << false << Variant::NoUsableCoefficient << noneLeft << noneRight;
}

void TestExport::blockColumns()
{
    QFETCH(int, unitSystem);
    QFETCH(bool, spinDrift);
    QFETCH(Variant, variant);
    QFETCH(QStringList, left);
    QFETCH(QStringList, right);

    settings->setUnitSystem(unitSystem);
    settings->setIncludeSpinDrift(spinDrift);
    Shoot* load = container->GetShoot(0);
    switch (variant) {
    case Variant::Plain:
        break;
    case Variant::ZeroRangeZero:
        load->setZeroRange(0);
        break;
    case Variant::PressureInMmHg:
        settings->setUseDefaultPressure(false);
        settings->setBasePressure(750);
        settings->setBasePressureUnit(1);
        settings->setPressureUnitStr("mmHg");
        break;
    case Variant::PressureAtAltitude:
        settings->setAltitudeCorrection(true);
        settings->setAltitude(1000);
        break;
    case Variant::NoUsableCoefficient:
        load->setBCMulti({0}, {0});
        break;
    }

    const QList<double> ranges = load->PointBlankRanges();
    const auto fill = [&](QStringList lines) {
        for (QString& line : lines)
            line.replace("{near}", CardPrinter::rangeText(ranges[0], unitSystem))
                .replace("{far}", CardPrinter::rangeText(ranges[1], unitSystem))
                .replace("{max}", CardPrinter::rangeText(ranges[4], unitSystem));
        return lines;
    };
    const CardPrinter::Block block = CardPrinter::block(load, settings);
    QCOMPARE(block.left.split('\n'), fill(left));
    QCOMPARE(block.right.split('\n'), fill(right));

    if (variant == Variant::Plain) {
        // The ranges of a real load are found, in the unit of the unit system.
        const QString unit = unitSystem == 0 ? " m" : " yd";
        for (const QString& line : {fill(left).last(), fill(right)[fill(right).size() - 2], fill(right).last()})
            QVERIFY2(line.endsWith(unit) && !line.contains(": -"), qPrintable(line));
    }
}

void TestExport::documentTitleNoteAndBlock()
{
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    const CardPrinter::Block columns = CardPrinter::block(container->GetShoot(0), settings);
    // Edited without computing: the card still prints the load and conditions of its table.
    Shoot* load = container->GetShoot(0);
    load->setTitle("edited");
    load->setMuzzleVelocity(3100);
    load->setNote("edited");
    settings->setWindAngle(-45);
    const std::unique_ptr<QTextDocument> document = card.composeDocument(tableOf(card));
    QVERIFY(CardPrinter::block(load, settings).left != columns.left);

    // The edits since the computation are said first.
    QStringList lines = document->toPlainText().split('\n');
    QCOMPARE(lines.takeFirst(), ResultsState::outOfDateText());
    QCOMPARE(lines.value(0), QString("308 Win 168 gr"));
    QCOMPARE(lines.value(1), QString("Vanto v2.1.1 - Vanto user manual (doc/vanto_UserManual_en.pdf)"));
    const int note = lines.indexOf("Note : Lot 7, 44.5 gr");
    QVERIFY2(note > 1, qPrintable(lines.join('|')));
    // Two empty lines, then the card's header.
    QCOMPARE(lines.mid(note + 1, 3), QStringList({"", "", "Range (m)"}));

    const QTextBlock title = document->begin().next();
    QCOMPARE(title.begin().fragment().charFormat().fontPointSize(), 20.0);
    QCOMPARE(title.next().begin().fragment().charFormat().fontPointSize(), 8.0);
    QCOMPARE(title.blockFormat().alignment(), Qt::AlignCenter);

    const QList<QTextTable*> found = tables(document.get());
    QCOMPARE(found.size(), 2);
    QTextTable* block = found[0];
    QCOMPARE(block->rows(), 1);
    QCOMPARE(block->columns(), 2);
    QCOMPARE(block->format().borderStyle(), QTextFrameFormat::BorderStyle_None);
    QCOMPARE(block->format().cellPadding(), 30.0);
    QCOMPARE(block->format().cellSpacing(), 0.0);
    QCOMPARE(cellText(block, 0, 0), columns.left);
    QCOMPARE(cellText(block, 0, 1), columns.right);
}

void TestExport::documentCardTable()
{
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    QTableWidget* shown = tableOf(card);
    const std::unique_ptr<QTextDocument> document = card.composeDocument(shown);
    const QList<QTextTable*> found = tables(document.get());
    QCOMPARE(found.size(), 2);
    QTextTable* printed = found[1];

    QCOMPARE(printed->rows(), 4);
    QCOMPARE(printed->columns(), 8);
    QCOMPARE(printed->format().headerRowCount(), 1); // repeated on every page
    QCOMPARE(printed->format().cellPadding(), 4.0);
    QCOMPARE(printed->format().cellSpacing(), 0.0);
    for (int column = 0; column < 8; ++column) {
        QCOMPARE(cellText(printed, 0, column), shown->horizontalHeaderItem(column)->text().replace('\n', ' '));
        const QTextCharFormat header = printed->cellAt(0, column).firstCursorPosition().charFormat();
        QCOMPARE(header.fontWeight(), 75);
        QCOMPARE(header.fontPointSize(), 10.0);
    }
    for (int row = 0; row < 3; ++row) {
        QStringList texts;
        for (int column = 0; column < 8; ++column)
            texts << cellText(printed, row + 1, column);
        QCOMPARE(texts, rowTexts(shown, row));
        QCOMPARE(printed->cellAt(row + 1, 0).firstCursorPosition().charFormat().fontWeight(), int(QFont::Normal));
    }
    QCOMPARE(cellText(printed, 1, 0), QString("100"));

    // The document is built from the table as given, not from the load's series.
    shown->item(0, 0)->setText("edited");
    const std::unique_ptr<QTextDocument> again = card.composeDocument(shown);
    QCOMPARE(cellText(tables(again.get())[1], 1, 0), QString("edited"));
}

void TestExport::dopeCardAgreesWithTheRangeCard_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<double>("wind");
    QTest::addColumn<QList<double>>("windSpeeds");
    QTest::newRow("metric, MOA, set wind") << 0 << 0 << 4.5 << QList<double>{2.25, 4.5, 9};
    QTest::newRow("US, mils, no wind") << 1 << 2 << 0.0 << QList<double>{5, 10, 15};
}

void TestExport::dopeCardAgreesWithTheRangeCard()
{
    QFETCH(int, unitSystem);
    QFETCH(int, angleDisplay);
    QFETCH(double, wind);
    QFETCH(QList<double>, windSpeeds);
    settings->setUnitSystem(unitSystem);
    settings->setUseAngleDisplay(angleDisplay);
    settings->setWindVelocity(wind);
    settings->setAutoRange(false);
    settings->setMaxRange(1100);
    settings->setCardStep(100);
    container->Compute();
    const Shoot& load = *container->GetShoot(0);
    const DopeCard::Table card = DopeCard::table(load, *settings);
    QCOMPARE(card.windSpeeds, windSpeeds);
    QCOMPARE(card.rows.size(), 10);

    // At the range card's ranges the dope card shows the card's numbers, turned into come-ups
    // and holds; the set wind's hold is the card's drift.
    const bool metric = unitSystem == 0;
    const int clicks = metric ? 17 : 23;
    const int angle = metric ? (angleDisplay == 2 ? 15 : 13) : (angleDisplay == 2 ? 21 : 19);
    const int drift = metric ? (angleDisplay == 2 ? 14 : 12) : (angleDisplay == 2 ? 20 : 18);
    for (int row = 0; row < 10; ++row) {
        const DopeCard::Row& dope = card.rows[row];
        QCOMPARE(dope.range, load.CardSeries(metric ? 2 : 8).at(row));
        QCOMPARE(dope.comeUpClicks, -load.CardSeries(clicks).at(row));
        QCOMPARE(dope.comeUpAngle, -load.CardSeries(angle).at(row));
        if (wind > 0.0)
            QCOMPARE(dope.holds.at(1), -load.CardSeries(drift).at(row));
        QCOMPARE(dope.velocity, load.CardSeries(metric ? 4 : 10).at(row));
        QCOMPARE(dope.energy, load.CardSeries(metric ? 5 : 11).at(row));
    }
    // More wind, more hold; a drop far out is a come-up.
    QVERIFY(std::abs(card.rows.last().holds[2]) > std::abs(card.rows.last().holds[0]));
    QVERIFY(DopeCard::marked(card.rows.last().comeUpAngle, 1, "U", "D").endsWith(" U"));

    RangeCard rangeCard(0);
    rangeCard.populate();
    const QString text = rangeCard.composeDopeCard()->toPlainText();
    QVERIFY2(text.startsWith("Dope card: 308 Win 168 gr\nZero 200 m"), qPrintable(text));
    QVERIFY(text.contains(QDate::currentDate().toString(Qt::ISODate)));
    // Edited without computing: the header and the wind columns are still those of the rows.
    container->GetShoot(0)->setTitle("edited");
    container->GetShoot(0)->setMuzzleVelocity(3100);
    settings->setWindVelocity(wind + 3);
    QStringList lines = rangeCard.composeDopeCard()->toPlainText().split('\n');
    lines.removeAll(
        QCoreApplication::translate("DopeCard", "(not recomputed): the inputs changed after the last computation"));
    QCOMPARE(lines.join('\n'), text);
}

// A card of twelve columns on A4: no header word and no number is broken across lines, on the
// page the printer gets; and the block names every coefficient band and which zero the
// point-blank ranges belong to.
void TestExport::twelveColumnsPrintWithoutBreakingWords()
{
    settings->setCardDisplayMOA(true);
    settings->setCardDisplayMils(true);
    computeThreeRows();
    RangeCard card(0);
    card.populate();
    QCOMPARE(tableOf(card)->columnCount(), 12);
    const std::unique_ptr<QTextDocument> document = card.composeDocument(tableOf(card));
    QVERIFY(document->toPlainText().contains("0.43 (0+ fps), 0.462 (1500+ fps) G1"));
    QVERIFY(document->toPlainText().contains(CardPrinter::pointBlankNote()));

    const auto brokenWords = [&] {
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
    const QSizeF portrait = printer.pageLayout().paintRect(QPageLayout::Point).size() * 96.0 / 72.0;
    document->setPageSize(portrait);
    document->documentLayout()->documentSize();
    QVERIFY(!brokenWords().isEmpty());

    CardPrinter::fitToPage(document.get(), &printer);
    document->documentLayout()->documentSize();
    QVERIFY2(brokenWords().isEmpty(), qPrintable(brokenWords().join(", ")));
    // The page is laid on the printable area of the page the printer has.
    const QSizeF area = printer.pageLayout().paintRect(QPageLayout::Point).size();
    QVERIFY(qAbs(document->pageSize().width() / document->pageSize().height() - area.width() / area.height()) < 1e-6);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
