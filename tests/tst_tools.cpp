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

    void coefficientFinder();
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

// The finder's dialog on its initial readings, on readings no bullet gives, and on readings in
// f/s and G7 applied to a load: nothing reaches a load or the store before that.
void TestTools::coefficientFinder()
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
    const QString bc = labelText(dialog, "label_BC");
    QVERIFY2(QRegularExpression("^BC = 0\\.\\d{3} \\(G1\\)$").match(bc).hasMatch(), qPrintable(bc));
    const QString muzzle = labelText(dialog, "label_Vmouth");
    QVERIFY2(QRegularExpression("^Muzzle velocity = 80\\d\\.\\d m/s$").match(muzzle).hasMatch(), qPrintable(muzzle));
    QCOMPARE(store(), before);

    // Readings no bullet gives: said, and the results go.
    auto* far = dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_VelFar");
    far->setValue(800);
    dialog.on_pushButton_calculate_pressed();
    QCOMPARE(warnings, QStringList({"Warning|Unable to find a valid solution"}));
    QCOMPARE(labelText(dialog, "label_BC"), QString("BC = "));
    QCOMPARE(labelText(dialog, "label_Vmouth"), QString("Muzzle velocity = "));

    dialog.findChild<QComboBox*>("comboBox_Model")->setCurrentIndex(4);
    dialog.findChild<QComboBox*>("comboBox_unitVel")->setCurrentIndex(1);
    dialog.findChild<QDoubleSpinBox*>("doubleSpinBox_VelNear")->setValue(2800);
    far->setValue(2300);
    dialog.on_pushButton_calculate_pressed();
    QVERIFY(labelText(dialog, "label_BC").endsWith(" (G7)"));
    const QString fps = labelText(dialog, "label_Vmouth");
    QVERIFY2(QRegularExpression("^Muzzle velocity = 28[0-2]\\d\\.\\d f/s$").match(fps).hasMatch(), qPrintable(fps));
    dialog.findChild<QComboBox*>("comboBox_load")->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("pushButton_apply")->click();
    BcFinder::Input imperial = {2.5, 2800, 300, 2300, 0, 1, 4};
    const BcFinder::Result result = BcFinder::find(imperial);
    QCOMPARE(second->BCList(), QList<double>{result.ballisticCoefficient});
    QCOMPARE(second->muzzleVelocityUnit(), 1);
    QCOMPARE(second->muzzleVelocity(), int(std::lround(result.muzzleVelocityMs / 0.3048)));
    QCOMPARE(QSettings().value("shoot/1/gModel").toInt(), 4);

    // The coefficient found gives back the far velocity over the distance between the readings
    // (the engine's probe reads it at the first state past the distance: up to 0.2 m/s less).
    Shoot probe(1, nullptr, Shoot::Storage::Scratch);
    probe.setMuzzleVelocity(800);
    probe.setMuzzleVelocityUnit(0);
    probe.setGModel(0);
    probe.setBC(BcFinder::find({}).ballisticCoefficient);
    QVERIFY(qAbs(probe.VelocityAtDistance(297.5) - 599.9) <= 0.2);

    // The same readings in metric give the same results.
    BcFinder::Input metric = {2.5, 2800 * 0.3048, 300, 2300 * 0.3048, 0, 0, 4};
    QCOMPARE(BcFinder::find(metric).ballisticCoefficient, result.ballisticCoefficient);
    QCOMPARE(BcFinder::find(metric).muzzleVelocityMs, result.muzzleVelocityMs);

    // Readings one f/s apart give muzzle velocities one f/s apart, and one read at the muzzle is
    // the muzzle velocity (2000 f/s at 300 yd once fell between two steps of the probe).
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

    // vanto-cli takes any number: none of these may pass for a solution. The flight ends (two
    // minutes) long before the last far range: its last velocity is no velocity there.
    const QList<BcFinder::Input> hopeless
        = {{0, 0, 100, 0}, {0, 1e30, 100, 500}, {100, 800, 100, 800}, {-1e300, 800, 1e300, 600}, {0, 800, 1e300, 1}};
    for (const BcFinder::Input& readings : hopeless)
        QVERIFY2(!BcFinder::find(readings).found, qPrintable(QString::number(readings.rangeFar)));
}

// The dialog follows the store, also read afresh as at start; Cancel leaves it, OK writes it.
void TestTools::killZoneDialog()
{
    KillZoneSetter dialog;
    auto* value = dialog.findChild<QDoubleSpinBox*>();
    auto* unit = dialog.findChild<QComboBox*>();
    settings->setKillZone(17.5);
    settings->setKillZoneUnit(1);
    QCOMPARE(value->value(), 17.5);
    QCOMPARE(unit->currentText(), QString("in"));
    QSettings().clear();
    settings->initialize();
    QCOMPARE(value->value(), 30.0);
    QCOMPARE(unit->currentText(), QString("cm"));

    for (auto button : {QDialogButtonBox::Cancel, QDialogButtonBox::Ok}) {
        dialog.show();
        value->setValue(25);
        unit->setCurrentIndex(1);
        QSignalSpy changed(settings, &Settings::killZoneChanged);
        dialog.findChild<QDialogButtonBox*>()->button(button)->click();
        QVERIFY(!dialog.isVisible());
        const bool ok = button == QDialogButtonBox::Ok;
        QCOMPARE(settings->killZone(), ok ? 25.0 : 30.0);
        QCOMPARE(changed.count(), int(ok));
        QCOMPARE(settings->killZoneUnitStr(), QString(ok ? "in" : "cm"));
        QCOMPARE(QSettings().value("global/killZoneUnit").toInt(), int(ok));
    }
}

void TestTools::aboutShowsTheVersions()
{
    about box;
    const QString text = labelText(box, "label_text");
    for (const QString& part : {QString("Vanto v2.1.1"), QString("Compiled with Qt " QT_VERSION_STR),
             "Executed with Qt " + QString(qVersion()), QString("vanto_UserManual_en.pdf")})
        QVERIFY2(text.contains(part), qPrintable(part));
}

// A .308 of 168 gr at 2650 f/s, zeroed at 100 m, with coefficients from 0.45 up (times slick).
static void makeKnownLoad(Shoot& load, const QList<double>& velMins, double slick = 1.0)
{
    QList<double> coefficients;
    for (int band = 0; band < velMins.size(); ++band)
        coefficients << (0.45 + 0.02 * band) * slick;
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
    Shoot known(0, nullptr, Shoot::Storage::Scratch);
    makeKnownLoad(known, velMins);
    const double rangeM = Truing::rangeMetres(range, rangeUnit);
    const double drop = Truing::computedDrop(known, rangeM);
    // The load as the shooter typed it: 3 % too fast, or 8 % too slick.
    Shoot typed(0, nullptr, Shoot::Storage::Scratch);
    makeKnownLoad(typed, velMins, fitVelocity ? 1.0 : 1.08);
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
        for (int band = 0; band < velMins.size(); ++band)
            QVERIFY(qAbs(typed.BCList().at(band) - known.BCList().at(band)) < 0.001);
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
