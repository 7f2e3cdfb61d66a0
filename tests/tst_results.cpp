// The results views on a real computation: the graph's titles, kill-zone band, curves, axes and
// zoom; the info panels; the range card's columns, headers, values and rows.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "results/graphcontainer.h"
#include "results/infopanel.h"
#include "results/rangecard.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void graphTitlesAndBand_data();
    void graphTitlesAndBand();
    void killZoneBand_data();
    void killZoneBand();
    void curvesFollowTheComputation();
    void rightAxisFollowsTheLeftAndZoom();
    void loadColours();
    void infoPanels();
    void cardColumns_data();
    void cardColumns();
    void cardValuesAndRows();
    void cardOfAnInactiveLoad();
    void valuesThatCannotBeComputed();

private:
    void wire(GraphContainer& graph);
    QStringList headers(const QTableWidget* table) const;

    QTemporaryDir storeDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
};

void TestResults::initTestCase()
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

// Defaults, with loads 0 and 1 active (two different rifles) and 2, 3 inactive.
void TestResults::init()
{
    QSettings().clear();
    settings->initialize();
    settings->setKillZoneUnitStr("cm");
    ParameterFile::restoreLoads();
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        Shoot* load = container->GetShoot(index);
        load->setWeight(index == 0 ? 168 : 55);
        load->setMuzzleVelocity(index == 0 ? 2650 : 3240);
        load->setMuzzleVelocityUnit(1);
        load->setCaliber(index == 0 ? 0.308 : 0.224);
        load->setLength(index == 0 ? 1.215 : 0.75);
        load->setBCMulti({0}, {index == 0 ? 0.462 : 0.25});
        load->setZeroRange(index == 0 ? 200 : 100);
        load->setZeroRangeUnit(0);
        load->setActive(index < 2);
    }
    container->setMultiShootBehaviorIndep();
    container->setPlotType(1);
}

void TestResults::wire(GraphContainer& graph)
{
    connect(container, &ShootContainer::ComputeStart, &graph, &GraphContainer::Prepare);
    connect(container, &ShootContainer::SendData, &graph, &GraphContainer::UpdateGraph);
    connect(container, &ShootContainer::ComputeEnd, &graph, &GraphContainer::Plot);
}

QStringList TestResults::headers(const QTableWidget* table) const
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->horizontalHeaderItem(column)->text().replace('\n', ' '); // shown on narrow lines
    return texts;
}

void TestResults::graphTitlesAndBand_data()
{
    QTest::addColumn<int>("plotType");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<bool>("band");
    QTest::addColumn<QString>("readout"); // pattern of the cursor read-out: the axes' units, the card's decimals

    struct Row {
        const char* name;
        const char* metric;
        const char* us;
        const char* moa;
        const char* mils;
        bool band;
        bool angleHidesBand;
    };
    const Row rows[] = {
        {"drop", "Drop (cm)", "Drop (inches)", "Drop (moa)", "Drop (mils)", true, true},
        {"velocity", "Velocity (m/s)", "Velocity (f/s)", nullptr, nullptr, false, false},
        {"energy", "Energy (J)", "Energy (ft.lbs)", nullptr, nullptr, false, false},
        {"time", "Time of flight (s)", "Time of flight (s)", nullptr, nullptr, false, false},
        {"drift", "Drift (cm)", "Drift (inches)", "Drift (moa)", "Drift (mils)", true, true},
        {"max height", "Max Height (cm)", "Max Height (inches)", nullptr, nullptr, true, false},
    };
    for (int plot = 1; plot <= 6; ++plot) {
        const Row& row = rows[plot - 1];
        for (int unit : {0, 1})
            for (int angle : {0, 1, 2}) {
                QString title = unit == 0 ? row.metric : row.us;
                if (angle == 1 && row.moa)
                    title = row.moa;
                if (angle == 2 && row.mils)
                    title = row.mils;
                const bool band = row.band && !(angle > 0 && row.angleHidesBand);
                const QString tag = QString("%1 %2 angle %3").arg(row.name, unit == 0 ? "metric" : "US").arg(angle);
                const QString yUnit = title.section('(', 1).chopped(1).replace("inches", "in").replace("moa", "MOA");
                const QString decimals = plot == 2 || plot == 3 ? "" : plot == 4 ? "\\.\\d\\d" : "\\.\\d";
                const QString readout = QString("^\\d+ %1, -?\\d+%2 %3$")
                                            .arg(unit == 0 ? "m" : "yd", decimals, QRegularExpression::escape(yUnit));
                QTest::newRow(qPrintable(tag)) << plot << unit << angle << title << band << readout;
            }
    }
}

void TestResults::graphTitlesAndBand()
{
    QFETCH(int, plotType);
    QFETCH(int, unitSystem);
    QFETCH(int, angleDisplay);
    QFETCH(QString, leftTitle);
    QFETCH(bool, band);
    QFETCH(QString, readout);

    settings->setUnitSystem(unitSystem);
    settings->setUseAngleDisplay(angleDisplay);
    container->setPlotType(plotType);
    GraphContainer graph;
    graph.Prepare();
    QCOMPARE(graph.plotWidget()->axisTitle(QwtPlot::yLeft).text(), leftTitle);
    QCOMPARE(graph.plotWidget()->axisTitle(QwtPlot::xBottom).text(),
        QString(unitSystem == 0 ? "Distance (m)" : "Distance (yd.)"));
    QCOMPARE(graph.killZoneLowMarker()->isVisible(), band);
    QCOMPARE(graph.killZoneHighMarker()->isVisible(), band);
    QVERIFY(graph.zeroLineMarker()->isVisible());
    graph.resize(640, 400);
    const QString text = static_cast<QwtPicker*>(graph.plotPicker())->trackerText(QPoint(200, 120)).text();
    QVERIFY2(QRegularExpression(readout).match(text).hasMatch(), qPrintable(text));
}

void TestResults::killZoneBand_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<double>("half");
    QTest::newRow("metric") << 0 << 15.0;
    QTest::newRow("US") << 1 << 30.0 / 2.54 / 2;
}

void TestResults::killZoneBand()
{
    QFETCH(int, unitSystem);
    QFETCH(double, half);
    settings->setUnitSystem(unitSystem);
    GraphContainer graph;
    graph.Prepare();
    QVERIFY(qAbs(graph.killZoneLowMarker()->yValue() + half) < 1e-9);
    QVERIFY(qAbs(graph.killZoneHighMarker()->yValue() - half) < 1e-9);
    QCOMPARE(graph.killZoneLowMarker()->label().text(), QString("Killzone: 30.0 cm"));
    QCOMPARE(graph.killZoneLowMarker()->label().color(), QColor(Qt::red));
    QVERIFY(graph.killZoneLowMarker()->label().font().bold());
    QVERIFY(graph.killZoneHighMarker()->label().text().isEmpty());
}

void TestResults::curvesFollowTheComputation()
{
    GraphContainer graph;
    wire(graph);
    container->Compute();
    const QwtPlotItemList attached = graph.plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve);
    QCOMPARE(attached.size(), 2);
    const QwtPlotCurve& first = graph.curve(0);
    QCOMPARE(first.pen().color(), QColor(Qt::blue));
    QCOMPARE(graph.curve(1).pen().color(), QColor(Qt::red));
    const QVector<double> x = container->GetShoot(0)->TrajectorySeries(2);
    const QVector<double> y = container->GetShoot(0)->TrajectorySeries(3);
    QCOMPARE(int(first.dataSize()), x.size());
    QCOMPARE(first.sample(100), QPointF(x[100], y[100]));
    QVERIFY(first.testRenderHint(QwtPlotItem::RenderAntialiased));

    container->GetShoot(1)->setActive(false);
    container->Compute();
    QCOMPARE(graph.plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
    QCOMPARE(graph.curve(1).plot(), nullptr);

    QVector<double> stray[2] = {{1, 2}, {3, 4}};
    graph.UpdateGraph(4, stray); // no such slot: ignored
    graph.UpdateGraph(-1, stray);
    QCOMPARE(graph.plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
}

void TestResults::rightAxisFollowsTheLeftAndZoom()
{
    GraphContainer graph;
    graph.resize(640, 400);
    wire(graph);
    container->Compute();
    QwtPlot* plot = graph.plotWidget();
    const QwtScaleDiv left = plot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).lowerBound(), left.lowerBound());
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), left.upperBound());
    QVERIFY(left.lowerBound() < -100); // drops of the .308 beyond 500 m
    const QRectF base = graph.plotZoomer()->zoomBase();

    QVERIFY(!graph.plotZoomer()->isEnabled());
    QVERIFY(graph.plotPicker()->isEnabled());
    graph.enableZoomMode(true);
    QVERIFY(graph.plotZoomer()->isEnabled());
    QVERIFY(!graph.plotPicker()->isEnabled());

    graph.plotZoomer()->zoom(QRectF(100, -20, 200, 40));
    QVERIFY(qAbs(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() - 20) < 1e-9);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).lowerBound(), plot->axisScaleDiv(QwtPlot::yLeft).lowerBound());
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), plot->axisScaleDiv(QwtPlot::yLeft).upperBound());

    graph.plotZoomer()->zoom(QRectF(120, -10, 100, 20));
    graph.ZoomOut();
    QCOMPARE(graph.plotZoomer()->zoomRect(), base);
    graph.plotZoomer()->zoom(1); // zoom forward: nothing is left to come back
    QCOMPARE(graph.plotZoomer()->zoomRect(), base);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), left.upperBound());
}

void TestResults::loadColours()
{
    const QList<QColor> expected = {Qt::blue, Qt::red, Qt::black, Qt::darkCyan, Qt::magenta, Qt::darkBlue,
        Qt::darkYellow, Qt::darkGreen, Qt::darkMagenta, Qt::darkRed};
    for (int index = 0; index < 10; ++index) {
        QCOMPARE(GraphContainer::loadColor(index), expected[index]);
        QCOMPARE(GraphContainer::loadColor(index + 10), expected[index]);
    }
    QCOMPARE(GraphContainer::loadColor(-3), QColor(Qt::black));
}

void TestResults::infoPanels()
{
    InfoPanel first(0);
    InfoPanel second(1);
    InfoPanel third(2);
    QCOMPARE(first.findChild<QLabel*>("label_loadName")->text(), QString("Load 1"));
    QCOMPARE(second.palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(third.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(Qt::black));

    container->Compute();
    const QList<double> ranges = container->GetShoot(0)->PointBlankRanges();
    for (int unit : {0, 1}) {
        settings->setUnitSystem(unit);
        const double factor = unit == 0 ? 1.0 : 1.0936133;
        const QString suffix = unit == 0 ? " m" : " yd";
        first.UpdateLabel();
        third.UpdateLabel();
        QCOMPARE(
            first.findChild<QLabel*>("label_DRIvalue")->text(), QString::number(ranges[0] * factor, 'f', 1) + suffix);
        QCOMPARE(
            first.findChild<QLabel*>("label_DROvalue")->text(), QString::number(ranges[1] * factor, 'f', 1) + suffix);
        QCOMPARE(
            first.findChild<QLabel*>("label_DTMvalue")->text(), QString::number(ranges[4] * factor, 'f', 1) + suffix);
        for (const char* name : {"label_DRIvalue", "label_DROvalue", "label_DTMvalue"})
            QCOMPARE(third.findChild<QLabel*>(name)->text(), "0.0" + suffix);
        QCOMPARE(third.findChild<QLabel*>("label_loadName")->text(), container->GetShoot(2)->title());
    }
    QVERIFY(ranges[4] > 200 && ranges[4] < 400);
}

void TestResults::cardColumns_data()
{
    QTest::addColumn<bool>("moa");
    QTest::addColumn<bool>("mils");
    QTest::addColumn<bool>("clicks");
    for (int options = 0; options < 8; ++options) {
        const bool moa = options & 1;
        const bool mils = options & 2;
        const bool clicks = options & 4;
        const QString tag = QString("moa %1 mils %2 clicks %3").arg(moa).arg(mils).arg(clicks);
        QTest::newRow(qPrintable(tag)) << moa << mils << clicks;
    }
}

void TestResults::cardColumns()
{
    QFETCH(bool, moa);
    QFETCH(bool, mils);
    QFETCH(bool, clicks);
    settings->setCardDisplayMOA(moa);
    settings->setCardDisplayMils(mils);
    settings->setCardDisplayClicks(clicks);
    container->Compute();

    for (int unit : {0, 1}) {
        settings->setUnitSystem(unit);
        RangeCard card(0);
        card.populate();
        const auto* table = card.findChild<QTableWidget*>("tableWidget");
        const bool metric = unit == 0;
        QStringList expected = {metric ? "Range (m)" : "Range (yd)", metric ? "Drop (cm)" : "Drop (in)"};
        if (moa)
            expected << "Drop (MOA)";
        if (mils)
            expected << "Drop (mils)";
        if (clicks)
            expected << "Drop (clicks)";
        expected << (metric ? "Drift (cm)" : "Drift (in)");
        if (moa)
            expected << "Drift (MOA)";
        if (mils)
            expected << "Drift (mils)";
        if (clicks)
            expected << "Drift (clicks)";
        expected << (metric ? "Velocity (m/s)" : "Velocity (fps)") << (metric ? "Energy (J)" : "Energy (ft.lbs)")
                 << "Time of flight (s)";
        QCOMPARE(headers(table), expected);
        QCOMPARE(table->columnCount(), 2 * (3 + int(moa) + int(mils) + int(clicks)));

        // Every column holds its series: the last column is the time of flight.
        const Shoot* load = container->GetShoot(0);
        const QVector<double> times = load->CardSeries(metric ? 0 : 6);
        QCOMPARE(table->item(2, table->columnCount() - 1)->text(), QString::number(times[2], 'g', 6));
    }
}

void TestResults::cardValuesAndRows()
{
    settings->setCardStep(100);
    settings->setAutoRange(false);
    settings->setMaxRange(1000);
    container->Compute();
    const Shoot* load = container->GetShoot(0);
    QVERIFY(load->States().back().x >= 1000 && load->States().back().x < 1001);

    RangeCard card(0);
    QVERIFY(!card.isEnabled());
    card.populate();
    QVERIFY(card.isEnabled());
    auto* table = card.findChild<QTableWidget*>("tableWidget");
    // Rows stop before the last distance: the integration ends at the first state past 1000 m,
    // so the 1000 m row is there (a trajectory ending at exactly 1000 m would stop at 900).
    const double lastX = load->States().back().x;
    QCOMPARE(table->rowCount(), lastX > 1000 ? 10 : 9);
    QCOMPARE(table->item(0, 0)->text(), QString("100"));
    QCOMPARE(table->item(8, 0)->text(), QString("900"));
    for (int row = 0; row < table->rowCount(); ++row)
        QCOMPARE(table->item(row, 1)->text(), QString::number(load->CardSeries(3)[row], 'g', 6));

    settings->setUnitSystem(1);
    card.populate();
    QCOMPARE(table->rowCount(), 10); // 100 ... 1000 yd: 1000 yd lies below 1000 m
    QCOMPARE(table->item(9, 0)->text(), QString("1000"));

    // General notation with 6 significant digits.
    for (const auto& [value, text] : {std::pair{100.0, "100"}, {-12.3, "-12.3"}, {0.25, "0.25"}, {-1.6, "-1.6"}})
        QCOMPARE(QString::number(value, 'g', 6), QString(text));
}

void TestResults::cardOfAnInactiveLoad()
{
    settings->setCardDisplayClicks(true);
    settings->setUnitSystem(1);
    container->Compute();
    RangeCard card(3);
    card.populate();
    auto* table = card.findChild<QTableWidget*>("tableWidget");
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(!card.isEnabled());
    QVERIFY(!card.findChild<QPushButton*>("pushButton_copy")->isEnabled());
    QCOMPARE(headers(table),
        QStringList({"Range (yd)", "Drop (in)", "Drop (clicks)", "Drift (in)", "Drift (clicks)", "Velocity (fps)",
            "Energy (ft.lbs)", "Time of flight (s)"}));
}

// Clicks without a click value, an energy that overflows and a kill zone no trajectory leaves:
// every view says "-" where a value cannot be computed, never "nan" or "inf".
void TestResults::valuesThatCannotBeComputed()
{
    settings->setCardDisplayClicks(true);
    settings->setScopeClick(6);
    settings->setManScopeDistH(0);
    settings->setManScopeDistV(0);
    settings->setKillZone(1e9);
    container->GetShoot(0)->setWeight(1e308);
    container->setPlotType(ShootContainer::Energy);
    GraphContainer graph;
    wire(graph);
    container->Compute();

    const auto clean = [](const QString& text) {
        const QString lower = text.toLower();
        return !lower.contains("nan") && !lower.contains("inf");
    };

    // The overflowing energy curve is left empty; the other load's curve and the axes are whole.
    QCOMPARE(int(graph.curve(0).dataSize()), 0);
    QVERIFY(graph.curve(1).dataSize() > 0);
    const QwtScaleDiv& left = graph.plotWidget()->axisScaleDiv(QwtPlot::yLeft);
    QVERIFY(std::isfinite(left.lowerBound()) && std::isfinite(left.upperBound()));

    RangeCard card(0);
    card.populate();
    auto* table = card.findChild<QTableWidget*>("tableWidget");
    QVERIFY(table->rowCount() > 0);
    const QStringList shown = headers(table);
    const int dropClicks = int(shown.indexOf("Drop (clicks)"));
    const int driftClicks = int(shown.indexOf("Drift (clicks)"));
    const int energy = int(shown.indexOf("Energy (J)"));
    QVERIFY(dropClicks > 0 && driftClicks > 0 && energy > 0);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            QVERIFY(clean(item->text()));
            if (column == dropClicks || column == driftClicks || column == energy) {
                QCOMPARE(item->text(), QString("-"));
                QCOMPARE(item->toolTip(), QString("Cannot be computed for this load"));
            } else {
                QVERIFY(item->toolTip().isEmpty());
            }
        }
    }

    QGuiApplication::clipboard()->clear();
    card.findChild<QPushButton*>("pushButton_copy")->click();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.contains("\t-\t"));
    QVERIFY(clean(copied));
    QVERIFY(clean(card.composeDocument(table)->toPlainText()));

    InfoPanel panel(0);
    panel.UpdateLabel();
    const QLabel* exit = panel.findChild<QLabel*>("label_DTMvalue");
    QCOMPARE(exit->text(), QString("-"));
    QCOMPARE(exit->toolTip(), QString("This range cannot be computed for this load"));
    QVERIFY(panel.findChild<QLabel*>("label_DRIvalue")->text().endsWith(" m"));
    QVERIFY(panel.findChild<QLabel*>("label_DRIvalue")->toolTip().isEmpty());
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
