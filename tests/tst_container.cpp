// The computation run: its signals, the multi-load behaviours, the series sent to the graph.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestContainer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void signalOrder();
    void sameZeroRange();
    void sameAngle();
    void seriesSelection();
    void plotAndBehaviourSlots();

private:
    void setUpLoad(int index, int zeroRange, int zeroRangeUnit, bool active);

    QTemporaryDir storeDir;
    ShootContainer* container = nullptr;
    Settings* settings = nullptr;
};

void TestContainer::initTestCase()
{
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
}

void TestContainer::setUpLoad(int index, int zeroRange, int zeroRangeUnit, bool active)
{
    Shoot* load = container->GetShoot(index);
    load->setWeight(150 + 10 * index);
    load->setMuzzleVelocity(2600 + 100 * index);
    load->setMuzzleVelocityUnit(1);
    load->setBCMulti({0}, {0.4 + 0.02 * index});
    load->setZeroRange(zeroRange);
    load->setZeroRangeUnit(zeroRangeUnit);
    load->setActive(active);
}

// One data signal per active load, in order, between the start and the end.
void TestContainer::signalOrder()
{
    QStringList events;
    QObject scope;
    connect(container, &ShootContainer::ComputeStart, &scope, [&] { events << "ComputeStart"; });
    connect(container, &ShootContainer::SendData, &scope,
        [&](int index, QVector<double>*) { events << QString("SendData %1").arg(index); });
    connect(container, &ShootContainer::SendDRx, &scope, [&] { events << "SendDRx"; });
    connect(container, &ShootContainer::sendCard, &scope, [&] { events << "sendCard"; });
    connect(container, &ShootContainer::ComputeEnd, &scope, [&] { events << "ComputeEnd"; });
    setUpLoad(1, 150, 0, true);
    setUpLoad(3, 250, 0, true);
    container->Compute();
    QCOMPARE(events, QStringList({"ComputeStart", "SendData 1", "SendData 3", "SendDRx", "sendCard", "ComputeEnd"}));

    // Under "zero" and "angle" the master is computed even when no load is active.
    for (auto behaviour : {&ShootContainer::setMultiShootBehaviorZero, &ShootContainer::setMultiShootBehaviorAngle}) {
        init();
        (container->*behaviour)();
        container->SetMasterShoot(2);
        Shoot* master = container->GetShoot(2);
        master->ComputeTrajectoryFixedAngle(7.5);
        events.clear();
        container->Compute();
        QCOMPARE(events, QStringList({"ComputeStart", "SendDRx", "sendCard", "ComputeEnd"}));
        QVERIFY(master->shootAngle() > 0.0 && master->shootAngle() < 1.0); // zeroed at its 200 m
    }
}

void TestContainer::sameZeroRange()
{
    setUpLoad(1, 100, 1, false); // the master, zeroed at 100 yd, not itself active
    setUpLoad(3, 250, 0, true);
    container->setMultiShootBehaviorZero();
    container->SetMasterShoot(1);
    container->Compute();
    const Shoot* load = container->GetShoot(3);
    QCOMPARE(load->zeroRange(), 100);
    QCOMPARE(load->zeroRangeUnit(), 1);
    QCOMPARE(container->GetShoot(2)->zeroRange(), 200); // inactive: untouched
    QVERIFY(qAbs(load->CharacteristicRanges(load->shootAngle())[1] - 100 / 1.0936133) < 2.0);
}

// Every load is fired at the master's angle and gets its own far zero, truncated to whole
// units of the master's unit; the master keeps the zero range it had.
void TestContainer::sameAngle()
{
    for (auto [masterUnit, masterZero] : {std::pair{0, 250}, {1, 250}, {0, 1100}}) {
        init();
        setUpLoad(0, masterZero, masterUnit, true);
        for (int index : {1, 2, 3})
            container->GetShoot(index)->setActive(true);
        container->setMultiShootBehaviorAngle();
        container->Compute();
        Shoot* master = container->GetShoot(0);
        QCOMPARE(master->zeroRange(), masterZero);
        QCOMPARE(master->zeroRangeUnit(), masterUnit);
        for (int index : {1, 2, 3}) {
            Shoot* load = container->GetShoot(index);
            QCOMPARE(load->shootAngle(), master->shootAngle());
            const double farZero = load->CharacteristicRanges(load->shootAngle())[1];
            QCOMPARE(load->zeroRange(), int(masterUnit == 0 ? farZero : farZero * 1.0936133));
            QCOMPARE(load->zeroRangeUnit(), masterUnit);
        }
    }
}

// The graph receives the series of the plot type, unit system and angle display: {plot type,
// unit system, angle display, x series, y series}.
void TestContainer::seriesSelection()
{
    const int rows[][5] = {{1, 0, 0, 2, 3}, {1, 1, 0, 8, 9}, {1, 0, 1, 13, 16}, {1, 1, 2, 14, 18}, {2, 0, 2, 2, 4},
        {2, 1, 0, 8, 10}, {3, 0, 0, 2, 5}, {3, 1, 0, 8, 11}, {4, 1, 0, 8, 0}, {5, 0, 0, 2, 1}, {5, 1, 1, 8, 15},
        {5, 0, 2, 2, 17}, {6, 0, 0, 2, 6}, {6, 1, 0, 8, 12}};
    Shoot* load = container->GetShoot(2);
    load->setActive(true);
    for (const auto& row : rows) {
        settings->setUnitSystem(row[1]);
        settings->setUseAngleDisplay(row[2]);
        container->setPlotType(row[0]);
        QVector<double> sent[2];
        QObject scope;
        connect(container, &ShootContainer::SendData, &scope, [&](int, QVector<double>* data) {
            sent[0] = data[0];
            sent[1] = data[1];
        });
        container->Compute();
        QVector<double> expectedY = load->TrajectorySeries(row[4]);
        if (row[0] == 4)
            expectedY.removeFirst(); // the muzzle's time: entry k then belongs to distance k
        QVERIFY2(sent[0] == load->TrajectorySeries(row[3]) && sent[1] == expectedY,
            qPrintable(QString("plot %1 unit %2 angle %3").arg(row[0]).arg(row[1]).arg(row[2])));
    }
}

// Each plot type slot sets its type and computes once; "indep" is confirmed at once, the other
// behaviours when a master is chosen, and a load that does not exist is no master; a load
// edited by hand is named by its number again.
void TestContainer::plotAndBehaviourSlots()
{
    container->GetShoot(0)->setActive(true);
    QSignalSpy end(container, &ShootContainer::ComputeEnd);
    int plotType = 0;
    for (auto slot :
        {&ShootContainer::SetPlotTypeDrop, &ShootContainer::SetPlotTypeVelocity, &ShootContainer::SetPlotTypeEnergy,
            &ShootContainer::SetPlotTypeTime, &ShootContainer::SetPlotTypeDrift, &ShootContainer::SetPlotTypeBend}) {
        (container->*slot)();
        QCOMPARE(container->plotType(), ++plotType);
        QCOMPARE(end.count(), plotType);
    }

    QSignalSpy behaviour(container, &ShootContainer::SendMultiShootBehavior);
    container->SetMasterShoot(2);
    container->setMultiShootBehaviorAngle();
    container->SetMasterShoot(7);
    QCOMPARE(container->masterIndex(), 2);
    container->setMultiShootBehaviorIndep();
    QCOMPARE(behaviour.count(), 2);
    QCOMPARE(behaviour.last(), QList<QVariant>({"indep", 2}));

    Shoot* load = container->GetShoot(2);
    load->setOrigin("db");
    load->setTitle("Sierra MatchKing 168");
    container->ProcessShootManual(2);
    QCOMPARE(load->title(), QString("Load 3"));
    QCOMPARE(load->origin(), QString("manual"));
}

QTEST_GUILESS_MAIN(TestContainer)
#include "tst_container.moc"
