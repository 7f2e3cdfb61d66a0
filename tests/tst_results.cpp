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

#include <QtTest>
#include <QtWidgets>
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
    void curvesAxesAndZoom();
    void infoPanels();
    void cardColumns_data();
    void cardColumns();
    void valuesThatCannotBeComputed();

private:
    void wire(GraphContainer& graph)
    {
        connect(container, &ShootContainer::ComputeStart, &graph, &GraphContainer::Prepare);
        connect(container, &ShootContainer::SendData, &graph, &GraphContainer::UpdateGraph);
        connect(container, &ShootContainer::ComputeEnd, &graph, &GraphContainer::Plot);
    }
    static QTableWidget* table(RangeCard& card) { return card.findChild<QTableWidget*>("tableWidget"); }
    static QStringList headers(const QTableWidget* table)
    {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts << table->horizontalHeaderItem(column)->text().replace('\n', ' '); // shown on narrow lines
        return texts;
    }

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

void TestResults::graphTitlesAndBand_data()
{
    QTest::addColumn<int>("plotType");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<bool>("band");
    // Titles in metric, US, MOA and mils; the band shows on drops, drifts and heights, not on angles.
    const QStringList titles[] = {{"Drop (cm)", "Drop (inches)", "Drop (moa)", "Drop (mils)"},
        {"Velocity (m/s)", "Velocity (f/s)"}, {"Energy (J)", "Energy (ft.lbs)"},
        {"Time of flight (s)", "Time of flight (s)"}, {"Drift (cm)", "Drift (inches)", "Drift (moa)", "Drift (mils)"},
        {"Max Height (cm)", "Max Height (inches)"}};
    for (int plot = 1; plot <= 6; ++plot) {
        const QStringList& row = titles[plot - 1];
        for (auto [unit, angle] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 2}}) {
            const QString title = angle > 0 && row.size() > 2 ? row[angle + 1] : row[unit];
            const bool band = (plot == 1 || plot == 5 || plot == 6) && (angle == 0 || row.size() == 2);
            QTest::addRow("%s, unit %d, angle %d", qPrintable(row[0]), unit, angle)
                << plot << unit << angle << title << band;
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
    // The band is the kill zone of 30 cm around the line of sight, in the axis's unit.
    const double half = unitSystem == 0 ? 15.0 : 30.0 / 2.54 / 2;
    QVERIFY(qAbs(graph.killZoneLowMarker()->yValue() + half) < 1e-9);
    QVERIFY(qAbs(graph.killZoneHighMarker()->yValue() - half) < 1e-9);
    QCOMPARE(graph.killZoneLowMarker()->label().text(), QString("Killzone: 30.0 cm"));

    // The cursor's read-out: the axes' units, and the card's decimals.
    const QString yUnit = leftTitle.section('(', 1).chopped(1).replace("inches", "in").replace("moa", "MOA");
    const QString decimals = plotType == 2 || plotType == 3 ? "" : plotType == 4 ? "\\.\\d\\d" : "\\.\\d";
    const QString readout = QString("^\\d+ %1, -?\\d+%2 %3$")
                                .arg(unitSystem == 0 ? "m" : "yd", decimals, QRegularExpression::escape(yUnit));
    graph.resize(640, 400);
    const QString text = static_cast<QwtPicker*>(graph.plotPicker())->trackerText(QPoint(200, 120)).text();
    QVERIFY2(QRegularExpression(readout).match(text).hasMatch(), qPrintable(text));
}

void TestResults::curvesAxesAndZoom()
{
    GraphContainer graph;
    graph.resize(640, 400);
    wire(graph);
    container->Compute();
    QwtPlot* plot = graph.plotWidget();
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    const QwtPlotCurve& first = graph.curve(0);
    QCOMPARE(first.pen().color(), QColor(Qt::blue));
    QCOMPARE(graph.curve(1).pen().color(), QColor(Qt::red));
    const QVector<double> x = container->GetShoot(0)->TrajectorySeries(2);
    const QVector<double> y = container->GetShoot(0)->TrajectorySeries(3);
    QCOMPARE(int(first.dataSize()), x.size());
    QCOMPARE(first.sample(100), QPointF(x[100], y[100]));

    // The right axis follows the left one, zoomed or not.
    const QwtScaleDiv left = plot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).lowerBound(), left.lowerBound());
    QVERIFY(left.lowerBound() < -100); // drops of the .308 beyond 500 m
    const QRectF base = graph.plotZoomer()->zoomBase();
    QVERIFY(!graph.plotZoomer()->isEnabled());
    graph.enableZoomMode(true);
    QVERIFY(graph.plotZoomer()->isEnabled());
    QVERIFY(!graph.plotPicker()->isEnabled());
    graph.plotZoomer()->zoom(QRectF(100, -20, 200, 40));
    QVERIFY(qAbs(plot->axisScaleDiv(QwtPlot::yLeft).upperBound() - 20) < 1e-9);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), plot->axisScaleDiv(QwtPlot::yLeft).upperBound());
    graph.plotZoomer()->zoom(QRectF(120, -10, 100, 20));
    graph.ZoomOut();
    QCOMPARE(graph.plotZoomer()->zoomRect(), base);
    graph.plotZoomer()->zoom(1); // zoom forward: nothing is left to come back
    QCOMPARE(graph.plotZoomer()->zoomRect(), base);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), left.upperBound());

    // An inactive load's curve goes; data for no such slot is ignored.
    container->GetShoot(1)->setActive(false);
    container->Compute();
    QCOMPARE(graph.curve(1).plot(), nullptr);
    QVector<double> stray[2] = {{1, 2}, {3, 4}};
    graph.UpdateGraph(4, stray);
    graph.UpdateGraph(-1, stray);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
}

void TestResults::infoPanels()
{
    InfoPanel first(0);
    InfoPanel third(2);
    QCOMPARE(InfoPanel(1).palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    container->Compute();
    const QList<double> ranges = container->GetShoot(0)->PointBlankRanges();
    QVERIFY(ranges[4] > 200 && ranges[4] < 400);
    for (int unit : {0, 1}) {
        settings->setUnitSystem(unit);
        const double factor = unit == 0 ? 1.0 : 1.0936133;
        const QString suffix = unit == 0 ? " m" : " yd";
        first.UpdateLabel();
        third.UpdateLabel();
        for (auto [name, range] : {std::pair{"label_DRIvalue", 0}, {"label_DROvalue", 1}, {"label_DTMvalue", 4}}) {
            QCOMPARE(first.findChild<QLabel*>(name)->text(), QString::number(ranges[range] * factor, 'f', 1) + suffix);
            QCOMPARE(third.findChild<QLabel*>(name)->text(), "0.0" + suffix);
        }
    }
    QCOMPARE(first.findChild<QLabel*>("label_loadName")->text(), QString("Load 1"));
}

void TestResults::cardColumns_data()
{
    QTest::addColumn<int>("options"); // MOA, mils, clicks
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QString>("headers");
    QTest::newRow("metric") << 0 << 0 << "Range (m)|Drop (cm)|Drift (cm)|Velocity (m/s)|Energy (J)|Time of flight (s)";
    QTest::newRow("US, every angle")
        << 7 << 1
        << "Range (yd)|Drop (in)|Drop (MOA)|Drop (mils)|Drop (clicks)|Drift (in)|Drift (MOA)|Drift (mils)|"
           "Drift (clicks)|Velocity (fps)|Energy (ft.lbs)|Time of flight (s)";
    QTest::newRow("metric, mils") << 2 << 0
                                  << "Range (m)|Drop (cm)|Drop (mils)|Drift (cm)|Drift (mils)|Velocity (m/s)|"
                                     "Energy (J)|Time of flight (s)";
}

// Cards every 100 up to 1000 m: the columns the options ask for, each holding its series.
void TestResults::cardColumns()
{
    QFETCH(int, options);
    QFETCH(int, unitSystem);
    QFETCH(QString, headers);
    settings->setCardDisplayMOA(options & 1);
    settings->setCardDisplayMils(options & 2);
    settings->setCardDisplayClicks(options & 4);
    settings->setUnitSystem(unitSystem);
    settings->setCardStep(100);
    settings->setAutoRange(false);
    settings->setMaxRange(1000);
    container->Compute();
    const Shoot* load = container->GetShoot(0);
    const double lastX = load->States().back().x;
    QVERIFY(lastX >= 1000 && lastX < 1001);
    RangeCard card(0);
    QVERIFY(!card.isEnabled());
    card.populate();
    QVERIFY(card.isEnabled());
    QTableWidget* cells = table(card);
    QCOMPARE(this->headers(cells).join('|'), headers);
    // Rows stop before the last distance: the integration ends at the first state past 1000 m,
    // so the 1000 m row is there (a trajectory ending at exactly 1000 m would stop at 900).
    // 1000 yd lies below 1000 m.
    QCOMPARE(cells->rowCount(), unitSystem == 1 || lastX > 1000 ? 10 : 9);
    QCOMPARE(cells->item(9, 0)->text(), QString("1000"));
    const int offset = unitSystem == 0 ? 0 : 6;
    for (int row = 0; row < cells->rowCount(); ++row) {
        QCOMPARE(cells->item(row, 1)->text(), QString::number(load->CardSeries(offset + 3)[row], 'g', 6));
        QCOMPARE(
            cells->item(row, cells->columnCount() - 1)->text(), QString::number(load->CardSeries(offset)[row], 'g', 6));
    }

    // An inactive load's card has the columns and no rows, and nothing to copy.
    RangeCard inactive(3);
    inactive.populate();
    QCOMPARE(this->headers(table(inactive)).join('|'), headers);
    QCOMPARE(table(inactive)->rowCount(), 0);
    QVERIFY(!inactive.isEnabled());
    QVERIFY(!inactive.findChild<QPushButton*>("pushButton_copy")->isEnabled());
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
    // The overflowing energy curve is left empty; the other load's curve is whole.
    QCOMPARE(int(graph.curve(0).dataSize()), 0);
    QVERIFY(graph.curve(1).dataSize() > 0);

    RangeCard card(0);
    card.populate();
    QTableWidget* cells = table(card);
    QVERIFY(cells->rowCount() > 0);
    const QStringList shown = headers(cells);
    const QList<int> dashes
        = {int(shown.indexOf("Drop (clicks)")), int(shown.indexOf("Drift (clicks)")), int(shown.indexOf("Energy (J)"))};
    QVERIFY(!dashes.contains(-1));
    for (int row = 0; row < cells->rowCount(); ++row) {
        for (int column = 0; column < cells->columnCount(); ++column) {
            const QTableWidgetItem* item = cells->item(row, column);
            QVERIFY(!item->text().contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)));
            QCOMPARE(item->text() == "-", dashes.contains(column));
            QCOMPARE(item->toolTip(), QString(dashes.contains(column) ? "Cannot be computed for this load" : ""));
        }
    }

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
