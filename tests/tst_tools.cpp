// The tools: the ballistic coefficient from two velocities, the kill-zone dialog, the about box
// and the truing of a load on an observed drop.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "tools/about.h"
#include "tools/bcfinder.h"
#include "tools/bcfromvfinder.h"
#include "tools/killzonesetter.h"
#include "tools/truing.h"
#include "tools/truingdialog.h"

#include <QtTest>
#include <QtWidgets>

class TestTools : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void coefficientFromTheInitialValues();
    void readingsNoBulletGivesHaveNoSolution_data();
    void readingsNoBulletGivesHaveNoSolution();
    void loadsAreTouchedOnlyByApply();
    void killZoneDialog();
    void aboutShowsTheVersions();
    void truingRecoversTheLoad_data();
    void truingRecoversTheLoad();
    void truingDialogAppliesTheFit();

private:
    static QString labelText(QWidget& dialog, const char* name) { return dialog.findChild<QLabel*>(name)->text(); }

    QTemporaryDir storeDir;
    Settings* settings = nullptr;
    QStringList warnings;
};

void TestTools::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });
    initVantoResources();
    settings = Settings::instance();
}

void TestTools::init()
{
    QSettings().clear();
    settings->initialize();
    warnings.clear();
}

void TestTools::coefficientFromTheInitialValues()
{
    BCfromVFinder dialog;
    dialog.on_pushButton_calculate_pressed();
    const QString bc = labelText(dialog, "label_BC");
    QVERIFY2(QRegularExpression("^BC = 0\\.\\d{3} \\(G1\\)$").match(bc).hasMatch(), qPrintable(bc));
    const QString muzzle = labelText(dialog, "label_Vmouth");
    QVERIFY2(QRegularExpression("^Muzzle velocity = 80\\d\\.\\d m/s$").match(muzzle).hasMatch(), qPrintable(muzzle));
    QVERIFY(warnings.isEmpty());
    // The coefficient found gives back the far velocity over the distance between the readings
    // (the engine's probe reads it at the first state past the distance: up to 0.2 m/s less).
    const BcFinder::Result result = BcFinder::find({});
    Shoot probe(1, nullptr, Shoot::Storage::Scratch);
    probe.setMuzzleVelocity(800);
    probe.setMuzzleVelocityUnit(0);
    probe.setGModel(0);
    probe.setBC(result.ballisticCoefficient);
    QVERIFY(qAbs(probe.VelocityAtDistance(297.5) - 599.9) <= 0.2);

    // Readings no bullet gives: said, and the results go.
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_VelFar")->setValue(800);
    dialog.on_pushButton_calculate_pressed();
    QCOMPARE(warnings, QStringList({"Warning|Unable to find a valid solution"}));
    QCOMPARE(labelText(dialog, "label_BC"), QString("BC = "));
    QCOMPARE(labelText(dialog, "label_Vmouth"), QString("Muzzle velocity = "));

    // The same readings in metric give the same results.
    BcFinder::Input metric = {2.5, 2800 * 0.3048, 300, 2300 * 0.3048, 0, 0, 4};
    BcFinder::Input imperial = {2.5, 2800, 300, 2300, 0, 1, 4};
    QCOMPARE(BcFinder::find(metric).ballisticCoefficient, BcFinder::find(imperial).ballisticCoefficient);
    QCOMPARE(BcFinder::find(metric).muzzleVelocityMs, BcFinder::find(imperial).muzzleVelocityMs);

    // Readings one f/s apart give muzzle velocities one f/s apart (whole m/s gave 2808.4 f/s for
    // each of 2800 to 2802), and one read at the muzzle is the muzzle velocity (800 m/s gave
    // 801.0; 2000 f/s at 300 yd fell between two steps of the probe and met no coefficient).
    for (double near : {2801.0, 2802.0}) {
        imperial.velocityNear = near - 1.0;
        const double below = BcFinder::find(imperial).muzzleVelocityMs;
        imperial.velocityNear = near;
        QVERIFY(qAbs((BcFinder::find(imperial).muzzleVelocityMs - below) / 0.3048 - 1.0) <= 0.1);
    }
    imperial = {0.0, 2802.0, 300.0, 2000.0, 1, 1, 0};
    QCOMPARE(BcFinder::muzzleVelocityText(BcFinder::find(imperial), 1, "f/s"), "Muzzle velocity = 2802.0 f/s");
    metric = {0.0, 800.0, 300.0, 600.0, 0, 0, 0};
    QCOMPARE(BcFinder::muzzleVelocityText(BcFinder::find(metric), 0, "m/s"), "Muzzle velocity = 800.0 m/s");
}

void TestTools::readingsNoBulletGivesHaveNoSolution_data()
{
    QTest::addColumn<QList<double>>("readings"); // near range and velocity, far range and velocity
    // vanto-cli takes any number: none of these may pass for a solution.
    QTest::newRow("velocities 0") << QList<double>{0, 0, 100, 0};
    QTest::newRow("negative velocities") << QList<double>{0, -800, 100, -900};
    QTest::newRow("near velocity 1e30") << QList<double>{0, 1e30, 100, 500};
    QTest::newRow("equal ranges") << QList<double>{100, 800, 100, 800};
    QTest::newRow("far range short of the near one") << QList<double>{300, 800, 2.5, 800};
    QTest::newRow("ranges of 1e300") << QList<double>{-1e300, 800, 1e300, 600};
    // The flight ends (two minutes) long before: its last velocity is no velocity there.
    QTest::newRow("far range beyond any flight") << QList<double>{0, 800, 1e300, 1};
}

void TestTools::readingsNoBulletGivesHaveNoSolution()
{
    QFETCH(QList<double>, readings);
    const BcFinder::Result result = BcFinder::find({readings[0], readings[1], readings[2], readings[3]});
    QVERIFY(!result.found);
    QCOMPARE(BcFinder::coefficientText(result, "G1"), QString("BC = "));
}

void TestTools::loadsAreTouchedOnlyByApply()
{
    ParameterFile::restoreLoads();
    Shoot* second = ShootContainer::instance()->GetShoot(1);
    second->setMuzzleVelocity(912);
    const auto store = [] {
        QStringList entries;
        for (const QString& key : QSettings().allKeys())
            entries << key + "=" + QSettings().value(key).toString();
        return entries;
    };
    const QStringList before = store();
    BCfromVFinder dialog;
    dialog.on_pushButton_calculate_pressed();
    QCOMPARE(store(), before);
    QCOMPARE(second->muzzleVelocity(), 912);

    // Until the user applies the result to a load.
    dialog.findChild<QComboBox*>("comboBox_Model")->setCurrentIndex(4);
    dialog.findChild<QComboBox*>("comboBox_unitVel")->setCurrentIndex(1);
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_VelNear")->setValue(2800);
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_VelFar")->setValue(2300);
    dialog.on_pushButton_calculate_pressed();
    QVERIFY(labelText(dialog, "label_BC").endsWith(" (G7)"));
    const QString muzzle = labelText(dialog, "label_Vmouth");
    QVERIFY2(
        QRegularExpression("^Muzzle velocity = 28[0-2]\\d\\.\\d f/s$").match(muzzle).hasMatch(), qPrintable(muzzle));
    dialog.findChild<QComboBox*>("comboBox_load")->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("pushButton_apply")->click();
    const BcFinder::Result result = BcFinder::find({2.5, 2800, 300, 2300, 0, 1, 4});
    QCOMPARE(second->BCList(), QList<double>{result.ballisticCoefficient});
    QCOMPARE(second->gModel(), 4);
    QCOMPARE(second->muzzleVelocityUnit(), 1);
    QCOMPARE(second->muzzleVelocity(), int(std::lround(result.muzzleVelocityMs / 0.3048)));
    QCOMPARE(QSettings().value("shoot/1/gModel").toInt(), 4);
}

void TestTools::killZoneDialog()
{
    // As at start: the store, read afresh, fills the dialogs that exist (every value changes).
    settings->setKillZone(1);
    settings->setKillZoneUnit(1);
    KillZoneSetter dialog;
    QSettings().clear();
    settings->initialize();
    QCOMPARE(dialog.findChild<QDoubleSpinBox*>()->value(), 30.0);
    dialog.show();
    dialog.findChild<QDoubleSpinBox*>()->setValue(12);
    dialog.findChild<QComboBox*>()->setCurrentIndex(1);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(settings->killZone(), 30.0);
    QCOMPARE(QSettings().value("global/killZoneUnit").toInt(), 0);

    dialog.show();
    dialog.findChild<QDoubleSpinBox*>()->setValue(25);
    dialog.findChild<QComboBox*>()->setCurrentIndex(1);
    QSignalSpy value(settings, &Settings::killZoneChanged);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings->killZone(), 25.0);
    QCOMPARE(settings->killZoneUnitStr(), QString("in"));
    QCOMPARE(value.count(), 1);
    QCOMPARE(QSettings().value("global/killZoneUnit").toInt(), 1);

    // The dialog follows the store.
    settings->setKillZone(17.5);
    settings->setKillZoneUnit(0);
    QCOMPARE(dialog.findChild<QDoubleSpinBox*>()->value(), 17.5);
    QCOMPARE(dialog.findChild<QComboBox*>()->currentText(), QString("cm"));
}

void TestTools::aboutShowsTheVersions()
{
    about box;
    const QString text = labelText(box, "label_text");
    QVERIFY(text.contains("Vanto v2.1.1"));
    QVERIFY(text.contains("Compiled with Qt " QT_VERSION_STR));
    QVERIFY(text.contains(QString("Executed with Qt ") + qVersion()));
    QVERIFY(text.contains("vanto_UserManual_en.pdf"));
}

// A .308 of 168 gr at 2650 f/s, zeroed at 100 m: the load the drops below come from.
static void makeKnownLoad(Shoot& load, const QList<double>& velMins, const QList<double>& coefficients)
{
    load.setWeightUnit(0);
    load.setWeight(168);
    load.setCaliberUnit(0);
    load.setCaliber(0.308);
    load.setLengthUnit(0);
    load.setLength(1.2);
    load.setMuzzleVelocityUnit(1);
    load.setMuzzleVelocity(2650);
    load.setGModel(0);
    load.setZeroRangeUnit(0);
    load.setZeroRange(100);
    load.setBCMulti(velMins, coefficients);
}

void TestTools::truingRecoversTheLoad_data()
{
    QTest::addColumn<bool>("fitVelocity");
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<double>("range");
    QTest::addColumn<int>("rangeUnit");
    QTest::addColumn<int>("dropUnit");
    QTest::addColumn<double>("observed"); // NaN: the known load's own drop
    const QList<double> one{0.0};
    const QList<double> bands{0.0, 1800.0, 2400.0};
    const double own = qQNaN();
    QTest::newRow("velocity, 300 m, cm") << true << one << 300.0 << 0 << int(Truing::Centimetres) << own;
    QTest::newRow("velocity, 600 yd, MOA") << true << one << 600.0 << 1 << int(Truing::Moa) << own;
    QTest::newRow("velocity, 1000 m, clicks, bands") << true << bands << 1000.0 << 0 << int(Truing::Clicks) << own;
    QTest::newRow("coefficient, 400 m, in") << false << one << 400.0 << 0 << int(Truing::Inches) << own;
    QTest::newRow("coefficient, 800 yd, mils, bands") << false << bands << 800.0 << 1 << int(Truing::Mils) << own;
    QTest::newRow("velocity, a rise at 600 m") << true << one << 600.0 << 0 << int(Truing::Centimetres) << -300.0;
    QTest::newRow("coefficient, no drop at 600 m") << false << one << 600.0 << 0 << int(Truing::Centimetres) << 0.0;
}

void TestTools::truingRecoversTheLoad()
{
    QFETCH(bool, fitVelocity);
    QFETCH(QList<double>, velMins);
    QFETCH(double, range);
    QFETCH(int, rangeUnit);
    QFETCH(int, dropUnit);
    QFETCH(double, observed);
    QList<double> coefficients;
    for (int band = 0; band < velMins.size(); ++band)
        coefficients << 0.45 + 0.02 * band;

    Shoot known(0, nullptr, Shoot::Storage::Scratch);
    makeKnownLoad(known, velMins, coefficients);
    const double rangeM = Truing::rangeMetres(range, rangeUnit);
    const double drop = Truing::computedDrop(known, rangeM);
    QVERIFY(drop > 0.0);
    // The load as the shooter typed it: 3 % too fast, or 8 % too slick.
    Shoot typed(0, nullptr, Shoot::Storage::Scratch);
    QList<double> slick = coefficients;
    for (double& coefficient : slick)
        coefficient *= fitVelocity ? 1.0 : 1.08;
    makeKnownLoad(typed, velMins, slick);
    typed.setMuzzleVelocity(fitVelocity ? 2730 : 2650);
    const Truing::Result result = Truing::fit(typed,
        {range, rangeUnit, qIsNaN(observed) ? Truing::dropInUnit(drop, dropUnit, rangeM) : observed, dropUnit,
            fitVelocity ? Truing::Fit::MuzzleVelocity : Truing::Fit::Coefficient});
    QCOMPARE(result.found, qIsNaN(observed));
    if (!result.found)
        return;

    QVERIFY2(qAbs(result.dropM - drop) < 1e-3, qPrintable(QString::number(result.dropM - drop)));
    Truing::apply(result, typed);
    if (fitVelocity) {
        QCOMPARE(typed.muzzleVelocity(), 2650);
        QVERIFY(qAbs(result.changePercent - (2650.0 / 2730.0 - 1.0) * 100.0) < 1e-9);
        QCOMPARE(Truing::fittedText(result, typed), QString("Muzzle velocity = 2650 f/s"));
    } else {
        QCOMPARE(typed.velMinList(), velMins);
        for (int band = 0; band < coefficients.size(); ++band)
            QVERIFY2(qAbs(typed.BCList().at(band) - coefficients.at(band)) < 0.001,
                qPrintable(QString::number(typed.BCList().at(band))));
        QVERIFY(qAbs(result.changePercent - (1.0 / 1.08 - 1.0) * 100.0) < 0.2);
    }
}

void TestTools::truingDialogAppliesTheFit()
{
    ParameterFile::restoreLoads();
    Shoot* first = ShootContainer::instance()->GetShoot(0);
    const double drop = Truing::computedDrop(*first, 500.0);
    const int own = first->muzzleVelocity();
    first->setMuzzleVelocity(own + 40);

    TruingDialog dialog;
    dialog.findChild<QComboBox*>("comboBox_rangeUnit")->setCurrentIndex(0);
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_range")->setValue(500);
    dialog.findChild<QComboBox*>("comboBox_dropUnit")->setCurrentIndex(Truing::Centimetres);
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_drop")->setValue(drop * 100.0);
    QPushButton* apply = dialog.findChild<QPushButton*>("pushButton_apply");
    dialog.findChild<QPushButton*>("pushButton_compute")->click();
    QVERIFY(apply->isEnabled());
    QVERIFY(labelText(dialog, "label_drop").startsWith("Computed drop = "));
    apply->click();
    QCOMPARE(first->muzzleVelocity(), own);
    QCOMPARE(QSettings().value("shoot/0/muzzleVelocity").toInt(), own);

    // A drop no velocity gives: said, and nothing to apply.
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_drop")->setValue(-5000);
    dialog.findChild<QPushButton*>("pushButton_compute")->click();
    QVERIFY(!apply->isEnabled());
    QCOMPARE(warnings, QStringList({"Warning|Unable to find a valid solution"}));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
