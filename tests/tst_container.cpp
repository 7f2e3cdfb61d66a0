// The computation run: the order of its signals, the three multi-load behaviours with their
// master, the series handed to the graph, and the behaviour and plot type slots.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QLoggingCategory>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestContainer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void signalOrder_data();
    void signalOrder();
    void masterIsComputedWithoutActiveLoads_data();
    void masterIsComputedWithoutActiveLoads();
    void sameZeroRange();
    void sameAngle_data();
    void sameAngle();
    void seriesSelection_data();
    void seriesSelection();
    void plotTypeSlotsCompute();
    void behaviourSlots();
    void manualLoadTitle();

private:
    void setUpLoad(int index, int zeroRange, int zeroRangeUnit, bool active);
    QStringList record(const std::function<void()>& action);

    QTemporaryDir storeDir;
    ShootContainer* container = nullptr;
    Settings* settings = nullptr;
};

void TestContainer::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([](const QString&, const QString&) {});
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// Every test starts from the defaults, loads 0 to 3 inactive, behaviour "indep", master 0.
void TestContainer::init()
{
    QSettings().clear();
    settings->initialize();
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        container->GetShoot(index)->restoreFromSettings();
        setUpLoad(index, 100 + 50 * index, 0, false);
    }
    container->setMultiShootBehaviorIndep();
    container->SetMasterShoot(0);
    container->setPlotType(1);
}

void TestContainer::setUpLoad(int index, int zeroRange, int zeroRangeUnit, bool active)
{
    Shoot* load = container->GetShoot(index);
    load->setWeight(150 + 10 * index);
    load->setWeightUnit(0);
    load->setMuzzleVelocity(2600 + 100 * index);
    load->setMuzzleVelocityUnit(1);
    load->setCaliber(0.308);
    load->setLength(1.2);
    load->setBCMulti({0}, {0.4 + 0.02 * index});
    load->setZeroRange(zeroRange);
    load->setZeroRangeUnit(zeroRangeUnit);
    load->setActive(active);
}

// The container's signals, in the order they came, during action.
QStringList TestContainer::record(const std::function<void()>& action)
{
    QStringList events;
    QList<QMetaObject::Connection> connections = {
        connect(container, &ShootContainer::ComputeStart, [&] { events << "ComputeStart"; }),
        connect(container, &ShootContainer::SendData,
            [&](int index, QVector<double>*) { events << QString("SendData %1").arg(index); }),
        connect(container, &ShootContainer::SendDRx, [&] { events << "SendDRx"; }),
        connect(container, &ShootContainer::sendCard, [&] { events << "sendCard"; }),
        connect(container, &ShootContainer::ComputeEnd, [&] { events << "ComputeEnd"; }),
    };
    action();
    for (const auto& connection : connections)
        disconnect(connection);
    return events;
}

void TestContainer::signalOrder_data()
{
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no active load") << QList<int>{} << QStringList{"ComputeStart", "SendDRx", "sendCard", "ComputeEnd"};
    QTest::newRow("loads 1 and 3") << QList<int>{
        1, 3} << QStringList{"ComputeStart", "SendData 1", "SendData 3", "SendDRx", "sendCard", "ComputeEnd"};
    QTest::newRow("all four") << QList<int>{0, 1, 2, 3}
                              << QStringList{"ComputeStart", "SendData 0", "SendData 1", "SendData 2", "SendData 3",
                                     "SendDRx", "sendCard", "ComputeEnd"};
}

void TestContainer::signalOrder()
{
    QFETCH(QList<int>, active);
    QFETCH(QStringList, expected);
    for (int index : active)
        container->GetShoot(index)->setActive(true);
    QCOMPARE(record([this] { container->Compute(); }), expected);
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        QCOMPARE(container->GetShoot(index)->CardSeries(2).isEmpty(), !active.contains(index));
}

void TestContainer::masterIsComputedWithoutActiveLoads_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::newRow("zero") << "zero";
    QTest::newRow("angle") << "angle";
}

void TestContainer::masterIsComputedWithoutActiveLoads()
{
    QFETCH(QString, behaviour);
    if (behaviour == "zero")
        container->setMultiShootBehaviorZero();
    else
        container->setMultiShootBehaviorAngle();
    container->SetMasterShoot(2);
    Shoot* master = container->GetShoot(2);
    master->ComputeTrajectoryFixedAngle(7.5);
    const QStringList events = record([this] { container->Compute(); });
    QCOMPARE(events, QStringList({"ComputeStart", "SendDRx", "sendCard", "ComputeEnd"}));
    QVERIFY(master->shootAngle() > 0.0 && master->shootAngle() < 1.0); // zeroed at its 200 m
}

void TestContainer::sameZeroRange()
{
    setUpLoad(1, 100, 1, false); // the master, zeroed at 100 yd, not itself active
    container->GetShoot(0)->setActive(true);
    container->GetShoot(3)->setActive(true);
    container->setMultiShootBehaviorZero();
    container->SetMasterShoot(1);
    container->Compute();
    for (int index : {0, 1, 3}) {
        QCOMPARE(container->GetShoot(index)->zeroRange(), 100);
        QCOMPARE(container->GetShoot(index)->zeroRangeUnit(), 1);
    }
    QCOMPARE(container->GetShoot(2)->zeroRange(), 200); // inactive: untouched
    // Each load was zeroed at 100 yd: it crosses the line of sight there.
    const Shoot* load = container->GetShoot(3);
    QVERIFY(qAbs(load->CharacteristicRanges(load->shootAngle())[1] - 100 / 1.0936133) < 2.0);
}

void TestContainer::sameAngle_data()
{
    QTest::addColumn<int>("masterUnit");
    QTest::addColumn<int>("masterZero");
    QTest::newRow("master in metres") << 0 << 250;
    QTest::newRow("master in yards") << 1 << 250;
    QTest::newRow("far zeros beyond 1000 m") << 0 << 1100;
}

// Every load is fired at the master's angle and gets its own far zero, truncated to whole
// units of the master's unit; the master keeps the zero range it had.
void TestContainer::sameAngle()
{
    QFETCH(int, masterUnit);
    QFETCH(int, masterZero);
    setUpLoad(0, masterZero, masterUnit, true);
    for (int index : {1, 2, 3})
        container->GetShoot(index)->setActive(true);
    container->setMultiShootBehaviorAngle();
    container->SetMasterShoot(0);
    container->Compute();

    Shoot* master = container->GetShoot(0);
    QCOMPARE(master->zeroRange(), masterZero);
    QCOMPARE(master->zeroRangeUnit(), masterUnit);
    for (int index : {1, 2, 3}) {
        Shoot* load = container->GetShoot(index);
        QCOMPARE(load->shootAngle(), master->shootAngle());
        const double farZero = load->CharacteristicRanges(load->shootAngle())[1];
        const int expected = int(masterUnit == 0 ? farZero : farZero * 1.0936133);
        QCOMPARE(load->zeroRange(), expected);
        QCOMPARE(load->zeroRangeUnit(), masterUnit);
        QVERIFY(load->zeroRange() > masterZero * 0.9); // faster loads reach farther at the same angle
    }
}

void TestContainer::seriesSelection_data()
{
    QTest::addColumn<int>("plotType");
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<int>("angleDisplay");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");

    const char* names[] = {"", "drop", "velocity", "energy", "time", "drift", "bend"};
    const int metricY[] = {0, 3, 4, 5, 0, 1, 6};
    const int usY[] = {0, 9, 10, 11, 0, 7, 12};
    for (int plot = 1; plot <= 6; ++plot)
        for (int unit : {0, 1})
            for (int angle : {0, 1, 2}) {
                int x = unit == 0 ? 2 : 8;
                int y = unit == 0 ? metricY[plot] : usY[plot];
                if (plot == 1 && angle > 0) {
                    x = unit == 0 ? 13 : 14;
                    y = angle == 1 ? 16 : 18;
                }
                if (plot == 5 && angle > 0)
                    y = angle == 1 ? 15 : 17;
                const QString tag
                    = QString("%1 %2 %3").arg(names[plot], unit == 0 ? "metric" : "US", QString::number(angle));
                QTest::newRow(qPrintable(tag)) << plot << unit << angle << x << y;
            }
}

void TestContainer::seriesSelection()
{
    QFETCH(int, plotType);
    QFETCH(int, unitSystem);
    QFETCH(int, angleDisplay);
    QFETCH(int, x);
    QFETCH(int, y);

    settings->setUnitSystem(unitSystem);
    settings->setUseAngleDisplay(angleDisplay);
    container->setPlotType(plotType);
    Shoot* load = container->GetShoot(2);
    load->setActive(true);

    QVector<double> sentX;
    QVector<double> sentY;
    const auto connection = connect(container, &ShootContainer::SendData, [&](int index, QVector<double>* data) {
        QCOMPARE(index, 2);
        sentX = data[0];
        sentY = data[1];
    });
    container->Compute();
    disconnect(connection);

    QCOMPARE(sentX, load->TrajectorySeries(x));
    QVector<double> expectedY = load->TrajectorySeries(y);
    if (plotType == 4)
        expectedY.removeFirst(); // the muzzle's time: entry k then belongs to distance k
    QCOMPARE(sentY, expectedY);
    if (plotType != 1 || angleDisplay == 0)
        QCOMPARE(sentY.size(), sentX.size());
}

void TestContainer::plotTypeSlotsCompute()
{
    container->GetShoot(0)->setActive(true);
    const std::pair<void (ShootContainer::*)(), int> plotSlots[] = {
        {&ShootContainer::SetPlotTypeDrop, 1},
        {&ShootContainer::SetPlotTypeVelocity, 2},
        {&ShootContainer::SetPlotTypeEnergy, 3},
        {&ShootContainer::SetPlotTypeTime, 4},
        {&ShootContainer::SetPlotTypeDrift, 5},
        {&ShootContainer::SetPlotTypeBend, 6},
    };
    for (const auto& [slot, plotType] : plotSlots) {
        QSignalSpy end(container, &ShootContainer::ComputeEnd);
        QSignalSpy data(container, &ShootContainer::SendData);
        (container->*slot)();
        QCOMPARE(container->plotType(), plotType);
        QCOMPARE(end.count(), 1);
        QCOMPARE(data.count(), 1);
    }
}

void TestContainer::behaviourSlots()
{
    QSignalSpy spy(container, &ShootContainer::SendMultiShootBehavior);
    container->setMultiShootBehaviorZero();
    QCOMPARE(spy.count(), 0); // confirmed only when a master is chosen
    QCOMPARE(container->multiShootBehavior(), QString("zero"));
    container->SetMasterShoot(2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last(), QList<QVariant>({"zero", 2}));

    container->setMultiShootBehaviorAngle();
    QCOMPARE(spy.count(), 1);
    container->setMultiShootBehaviorIndep();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last(), QList<QVariant>({"indep", 2}));

    container->SetMasterShoot(7); // no such load: ignored
    QCOMPARE(container->masterIndex(), 2);
    QCOMPARE(spy.count(), 2);
}

void TestContainer::manualLoadTitle()
{
    Shoot* load = container->GetShoot(2);
    load->setOrigin("db");
    load->setTitle("Sierra MatchKing 168");
    container->ProcessShootManual(2);
    QCOMPARE(load->title(), QString("Load 3"));
    QCOMPARE(load->origin(), QString("manual"));
}

QTEST_GUILESS_MAIN(TestContainer)
#include "tst_container.moc"
