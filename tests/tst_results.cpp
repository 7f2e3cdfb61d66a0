// The results views on a real computation: the graph, the info panels and the range card.
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
    void cardAndPanels_data();
    void cardAndPanels();
    void valuesThatCannotBeComputed();

private:
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
    Shoot* load = nullptr; // the first
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
    load = container->GetShoot(0);
}

// Defaults (a kill zone of 30 cm, zeros at 200 m), with load 0 a .308 of 168 gr at 2650 f/s
// and load 1 the default one active; 2 and 3 inactive.
void TestResults::init()
{
    QSettings().clear();
    settings->initialize();
    settings->setKillZoneUnitStr("cm"); // the kill-zone dialog's text
    ParameterFile::restoreLoads();
    load->setWeight(168);
    load->setMuzzleVelocity(2650);
    load->setMuzzleVelocityUnit(1);
    load->setCaliber(0.308);
    load->setBCMulti({0}, {0.462});
    load->setActive(true);
    container->GetShoot(1)->setActive(true);
    container->setMultiShootBehaviorIndep();
    container->setPlotType(1);
}

void TestResults::graphTitlesAndBand_data()
{
    QTest::addColumn<int>("plotType");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<QString>("leftTitle"); // from the titles in metric, US, MOA and mils
    const QStringList titles[] = {{"Drop (cm)", "Drop (inches)", "Drop (moa)", "Drop (mils)"},
        {"Velocity (m/s)", "Velocity (f/s)"}, {"Energy (J)", "Energy (ft.lbs)"},
        {"Time of flight (s)", "Time of flight (s)"}, {"Drift (cm)", "Drift (inches)", "Drift (moa)", "Drift (mils)"},
        {"Max Height (cm)", "Max Height (inches)"}};
    for (int plot = 1; plot <= 6; ++plot) {
        const QStringList& row = titles[plot - 1];
        for (auto [unit, angle] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 2}}) {
            const QString title = angle > 0 && row.size() > 2 ? row[angle + 1] : row[unit];
            QTest::addRow("%s, unit %d, angle %d", qPrintable(row[0]), unit, angle) << plot << unit << angle << title;
        }
    }
}

void TestResults::graphTitlesAndBand()
{
    QFETCH(int, plotType);
    QFETCH(int, unitSystem);
    QFETCH(int, angleDisplay);
    QFETCH(QString, leftTitle);
    settings->setUnitSystem(unitSystem);
    settings->setUseAngleDisplay(angleDisplay);
    container->setPlotType(plotType);
    GraphContainer graph;
    graph.Prepare();
    QCOMPARE(graph.plotWidget()->axisTitle(QwtPlot::yLeft).text(), leftTitle);
    QCOMPARE(graph.plotWidget()->axisTitle(QwtPlot::xBottom).text(),
        QString(unitSystem == 0 ? "Distance (m)" : "Distance (yd.)"));
    const bool band
        = (plotType == 1 || plotType == 5 || plotType == 6) && !leftTitle.contains(QRegularExpression("moa|mils"));
    QCOMPARE(graph.killZoneLowMarker()->isVisible(), band);
    QCOMPARE(graph.killZoneHighMarker()->isVisible(), band);
    // The band is the kill zone of 30 cm around the line of sight, in the axis's unit.
    const double half = unitSystem == 0 ? 15.0 : 30.0 / 2.54 / 2;
    QCOMPARE(graph.killZoneLowMarker()->yValue(), -half);
    QCOMPARE(graph.killZoneHighMarker()->yValue(), half);
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
    connect(container, &ShootContainer::ComputeStart, &graph, &GraphContainer::Prepare);
    connect(container, &ShootContainer::SendData, &graph, &GraphContainer::UpdateGraph);
    connect(container, &ShootContainer::ComputeEnd, &graph, &GraphContainer::Plot);
    container->Compute();
    QwtPlot* plot = graph.plotWidget();
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    QCOMPARE(graph.curve(1).pen().color(), QColor(Qt::red));
    QCOMPARE(int(graph.curve(0).dataSize()), load->TrajectorySeries(2).size());
    QCOMPARE(graph.curve(0).sample(100), QPointF(load->TrajectorySeries(2)[100], load->TrajectorySeries(3)[100]));

    // The right axis follows the left one, zoomed or not.
    const QwtScaleDiv left = plot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).lowerBound(), left.lowerBound());
    QVERIFY(left.lowerBound() < -100); // drops of the .308 beyond 500 m
    const QRectF base = graph.plotZoomer()->zoomBase();
    QVERIFY(!graph.plotZoomer()->isEnabled());
    graph.enableZoomMode(true);
    QVERIFY(graph.plotZoomer()->isEnabled() && !graph.plotPicker()->isEnabled());
    graph.plotZoomer()->zoom(QRectF(100, -20, 200, 40));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), 20.0);
    graph.plotZoomer()->zoom(QRectF(120, -10, 100, 20));
    graph.ZoomOut();
    graph.plotZoomer()->zoom(1); // zoom forward: nothing is left to come back
    QCOMPARE(graph.plotZoomer()->zoomRect(), base);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), left.upperBound());

    // An inactive load's curve goes, an overflowing energy's is empty, stray data is ignored.
    container->GetShoot(1)->setActive(false);
    load->setWeight(1e308);
    container->setPlotType(ShootContainer::Energy);
    container->Compute();
    QCOMPARE(graph.curve(1).plot(), nullptr);
    QCOMPARE(int(graph.curve(0).dataSize()), 0);
    QVector<double> stray[2] = {{1, 2}, {3, 4}};
    graph.UpdateGraph(4, stray);
    graph.UpdateGraph(-1, stray);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
}

void TestResults::cardAndPanels_data()
{
    QTest::addColumn<int>("options"); // MOA, mils, clicks, US units
    QTest::addColumn<QString>("headers");
    QTest::newRow("US, MOA and clicks")
        << 13
        << "Range (yd)|Drop (in)|Drop (MOA)|Drop (clicks)|Drift (in)|Drift (MOA)|Drift (clicks)|Velocity (fps)|"
           "Energy (ft.lbs)|Time of flight (s)";
    QTest::newRow("metric, mils") << 2
                                  << "Range (m)|Drop (cm)|Drop (mils)|Drift (cm)|Drift (mils)|Velocity (m/s)|"
                                     "Energy (J)|Time of flight (s)";
}

// Cards every 100 up to 1000 m with the columns the options ask for, and the info panels.
void TestResults::cardAndPanels()
{
    QFETCH(int, options);
    QFETCH(QString, headers);
    const int unitSystem = options >> 3;
    settings->setCardDisplayMOA(options & 1);
    settings->setCardDisplayMils(options & 2);
    settings->setCardDisplayClicks(options & 4);
    settings->setUnitSystem(unitSystem);
    settings->setCardStep(100);
    settings->setAutoRange(false);
    settings->setMaxRange(1000);
    container->Compute();
    RangeCard card(0);
    card.populate();
    QVERIFY(card.isEnabled());
    QTableWidget* cells = table(card);
    QCOMPARE(this->headers(cells).join('|'), headers);
    // The integration ends at the first state past 1000 m: the 1000 m row is there.
    QCOMPARE(cells->rowCount(), 10);
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
    QVERIFY(!inactive.isEnabled()); // nothing to copy

    // An inactive load's panel reads 0.0.
    InfoPanel panel(0);
    InfoPanel third(2);
    panel.UpdateLabel();
    third.UpdateLabel();
    const QList<double> ranges = load->PointBlankRanges();
    const QString suffix = unitSystem == 0 ? " m" : " yd";
    for (auto [name, range] : {std::pair{"label_DRIvalue", 0}, {"label_DROvalue", 1}, {"label_DTMvalue", 4}}) {
        QCOMPARE(panel.findChild<QLabel*>(name)->text(),
            QString::number(ranges[range] * (unitSystem == 0 ? 1.0 : 1.0936133), 'f', 1) + suffix);
        QCOMPARE(third.findChild<QLabel*>(name)->text(), "0.0" + suffix);
    }
}

// Clicks without a click value, an energy that overflows and a kill zone no trajectory leaves:
// every view says "-" where a value cannot be computed, never "nan" or "inf".
void TestResults::valuesThatCannotBeComputed()
{
    settings->setCardDisplayClicks(true);
    settings->setScopeClick(6);
    settings->setKillZone(1e9);
    load->setWeight(1e308);
    container->Compute();

    RangeCard card(0);
    card.populate();
    QTableWidget* cells = table(card);
    QVERIFY(cells->rowCount() > 0);
    const QList<int> dashes = {2, 4, 6}; // drop and drift clicks, energy
    for (int row = 0; row < cells->rowCount(); ++row)
        for (int column = 0; column < cells->columnCount(); ++column) {
            const QTableWidgetItem* item = cells->item(row, column);
            QVERIFY(!item->text().contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)));
            QCOMPARE(item->text() == "-", dashes.contains(column));
            QCOMPARE(item->toolTip(), QString(dashes.contains(column) ? "Cannot be computed for this load" : ""));
        }

    InfoPanel panel(0);
    panel.UpdateLabel();
    const QLabel* exit = panel.findChild<QLabel*>("label_DTMvalue");
    QCOMPARE(exit->text(), QString("-"));
    QCOMPARE(exit->toolTip(), QString("This range cannot be computed for this load"));
    QCOMPARE(panel.findChild<QLabel*>("label_DRIvalue")->toolTip(), QString());
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
