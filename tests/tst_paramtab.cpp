// The load editor tab and the master selector: both directions of the wiring to the load, the
// greyed fields of a database load, the return to a hand-typed load, the zero-range state, and
// the master selector's preselection, confirmation and cancel.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/masterselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestParamTab : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void formRanges_data();
    void formRanges();
    void loadSetsTheWidgets();
    void widgetsSetTheLoad();
    void interactiveEditsAreNotEchoed();
    void databaseLoadGreysItsBulletFields();
    void setManualRestoresTheTitle();
    void zeroRangeState();
    void noteIsStoredOnEveryKeystroke();
    void masterSelectorPreselectsTheFirstLoad();
    void masterSelectorCancelSetsNothing();

private:
    template <typename T> T* field(ParamTab& tab, const char* name)
    {
        T* found = tab.findChild<T*>(name);
        if (!found)
            qFatal("no field %s", name);
        return found;
    }

    QTemporaryDir storeDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
};

void TestParamTab::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    initVantoResources();
    settings = Settings::instance();
    container = ShootContainer::instance();
}

void TestParamTab::init()
{
    QSettings().clear();
    settings->initialize();
    ParameterFile::restoreLoads();
    container->setMultiShootBehaviorIndep();
    container->SetMasterShoot(0);
}

void TestParamTab::formRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::newRow("muzzle velocity") << "spinBox_V0" << 30.0 << 6000.0 << 10.0 << 0;
    QTest::newRow("caliber") << "spinBox_caliber" << 0.05 << 20.0 << 0.001 << 3;
    QTest::newRow("ballistic coefficient") << "spinBox_BC" << 0.0 << 2.0 << 0.1 << 4;
    QTest::newRow("length") << "spinBox_length" << 0.1 << 50.0 << 0.01 << 3;
    QTest::newRow("weight") << "spinBox_weight" << 3.0 << 900.0 << 0.1 << 1;
    QTest::newRow("zero range") << "spinBox_ZR" << 0.0 << 4000.0 << 10.0 << 0;
}

void TestParamTab::formRanges()
{
    QFETCH(QString, name);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(int, decimals);
    ParamTab tab(0, nullptr);
    QAbstractSpinBox* box = tab.findChild<QAbstractSpinBox*>(name);
    QVERIFY(box);
    QCOMPARE(box->property("minimum").toDouble(), minimum);
    QCOMPARE(box->property("maximum").toDouble(), maximum);
    QCOMPARE(box->property("singleStep").toDouble(), step);
    if (auto* doubleBox = qobject_cast<QDoubleSpinBox*>(box))
        QCOMPARE(doubleBox->decimals(), decimals);
    const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    auto* modelList = field<QComboBox>(tab, "comboBox_Model");
    for (int i = 0; i < models.size(); ++i)
        QCOMPARE(modelList->itemText(i), models[i]);
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitWeight")->itemText(0), QString("grains"));
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitV0")->itemText(1), QString("f/s"));
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitZR")->currentIndex(), -1); // nothing chosen before the load speaks
}

void TestParamTab::loadSetsTheWidgets()
{
    ParamTab tab(1, nullptr);
    Shoot* load = container->GetShoot(1);
    // Other values first, so that the restore changes every field, as at start.
    load->setMuzzleVelocity(700);
    load->setMuzzleVelocityUnit(1);
    load->setWeight(90);
    load->setCaliber(0.3);
    load->setLength(1.0);
    load->setBC(0.4);
    load->setGModel(2);
    load->setZeroRange(100);
    load->setZeroRangeUnit(1);
    QSettings().remove("shoot/1"); // the restore then takes the defaults
    load->restoreFromSettings();

    QCOMPARE(field<QSpinBox>(tab, "spinBox_V0")->value(), 850);
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitV0")->currentIndex(), 0);
    QCOMPARE(field<QDoubleSpinBox>(tab, "spinBox_weight")->value(), 100.0);
    QCOMPARE(field<QDoubleSpinBox>(tab, "spinBox_caliber")->value(), 0.224);
    QCOMPARE(field<QDoubleSpinBox>(tab, "spinBox_length")->value(), 0.8);
    QCOMPARE(field<QDoubleSpinBox>(tab, "spinBox_BC")->value(), 0.75);
    QCOMPARE(field<QComboBox>(tab, "comboBox_Model")->currentIndex(), 0);
    QCOMPARE(field<QSpinBox>(tab, "spinBox_ZR")->value(), 200);
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitZR")->currentIndex(), 0);
    QVERIFY(!field<QCheckBox>(tab, "checkBox_activated")->isChecked());

    // A restore of other values (a parameter file) reaches the widgets too.
    QSettings().setValue("shoot/1/muzzleVelocity", 2950);
    QSettings().setValue("shoot/1/muzzleVelocityUnit", 1);
    QSettings().setValue("shoot/1/weight", 168.5);
    QSettings().setValue("shoot/1/gModel", 4);
    QSettings().setValue("shoot/1/active", true);
    QSettings().setValue("shoot/1/note", "match load");
    load->restoreFromSettings();
    QCOMPARE(field<QSpinBox>(tab, "spinBox_V0")->value(), 2950);
    QCOMPARE(field<QComboBox>(tab, "comboBox_unitV0")->currentText(), QString("f/s"));
    QCOMPARE(field<QDoubleSpinBox>(tab, "spinBox_weight")->value(), 168.5);
    QCOMPARE(field<QComboBox>(tab, "comboBox_Model")->currentText(), QString("G7"));
    QVERIFY(field<QCheckBox>(tab, "checkBox_activated")->isChecked());
    QCOMPARE(field<QPlainTextEdit>(tab, "plainTextEdit_note")->toPlainText(), QString("match load"));
    QCOMPARE(load->GModelStr(), QString("G7"));
    QCOMPARE(load->muzzleVelocityUnitStr(), QString("f/s"));

    // The far zero that "Same Angle" gives a load is shown as found, and stays.
    settings->setInitialized(true);
    load->setZeroRange(1148);
    QCOMPARE(field<QSpinBox>(tab, "spinBox_ZR")->value(), 1148);
    QCOMPARE(load->zeroRange(), 1148);
}

void TestParamTab::widgetsSetTheLoad()
{
    ParamTab tab(2, nullptr);
    Shoot* load = container->GetShoot(2);
    load->restoreFromSettings();

    field<QCheckBox>(tab, "checkBox_activated")->setChecked(true);
    field<QSpinBox>(tab, "spinBox_V0")->setValue(910);
    field<QComboBox>(tab, "comboBox_unitV0")->setCurrentIndex(1);
    field<QDoubleSpinBox>(tab, "spinBox_weight")->setValue(9.7);
    field<QComboBox>(tab, "comboBox_unitWeight")->setCurrentIndex(1);
    field<QDoubleSpinBox>(tab, "spinBox_caliber")->setValue(6.5);
    field<QComboBox>(tab, "comboBox_unitCaliber")->setCurrentIndex(1);
    field<QDoubleSpinBox>(tab, "spinBox_length")->setValue(33.5);
    field<QComboBox>(tab, "comboBox_unitLength")->setCurrentIndex(1);
    field<QDoubleSpinBox>(tab, "spinBox_BC")->setValue(0.31);
    field<QComboBox>(tab, "comboBox_Model")->setCurrentIndex(4);
    field<QSpinBox>(tab, "spinBox_ZR")->setValue(300);
    field<QComboBox>(tab, "comboBox_unitZR")->setCurrentIndex(1);

    QVERIFY(load->active());
    QCOMPARE(load->muzzleVelocity(), 910);
    QCOMPARE(load->muzzleVelocityUnit(), 1);
    QCOMPARE(load->weight(), 9.7);
    QCOMPARE(load->weightUnit(), 1);
    QCOMPARE(load->caliber(), 6.5);
    QCOMPARE(load->caliberUnit(), 1);
    QCOMPARE(load->length(), 33.5);
    QCOMPARE(load->lengthUnit(), 1);
    QCOMPARE(load->BCList(), QList<double>({0.31}));
    QCOMPARE(load->gModel(), 4);
    QCOMPARE(load->zeroRange(), 300);
    QCOMPARE(load->zeroRangeUnit(), 1);
    QCOMPARE(load->zeroRangeUnitStr(), QString("yd"));
    QCOMPARE(load->weightUnitStr(), QString("g"));
    QCOMPARE(QSettings().value("shoot/2/zeroRange").toInt(), 300);
}

void TestParamTab::interactiveEditsAreNotEchoed()
{
    ParamTab tab(0, nullptr);
    Shoot* load = container->GetShoot(0);
    load->restoreFromSettings();
    auto* weight = field<QDoubleSpinBox>(tab, "spinBox_weight");
    QSignalSpy spy(load, &Shoot::weightChanged);
    weight->setValue(123.4);
    QCOMPARE(load->weight(), 123.4);
    QCOMPARE(spy.count(), 0);
}

void TestParamTab::databaseLoadGreysItsBulletFields()
{
    ParamTab tab(3, nullptr);
    Shoot* load = container->GetShoot(3);
    load->restoreFromSettings();
    load->setOrigin("db");
    for (const char* name : {"spinBox_BC", "spinBox_weight", "comboBox_unitWeight", "comboBox_Model", "spinBox_caliber",
             "comboBox_unitCaliber"})
        QVERIFY2(!field<QWidget>(tab, name)->isEnabled(), name);
    for (const char* name : {"spinBox_length", "comboBox_unitLength", "spinBox_V0", "comboBox_unitV0", "spinBox_ZR",
             "comboBox_unitZR", "checkBox_activated", "plainTextEdit_note"})
        QVERIFY2(field<QWidget>(tab, name)->isEnabled(), name);

    tab.switchOrigin("something else"); // changes nothing
    QVERIFY(!field<QWidget>(tab, "spinBox_BC")->isEnabled());

    // A length the database did not give is marked until the user types one.
    auto* length = field<QDoubleSpinBox>(tab, "spinBox_length");
    load->setLengthNeedsCheck(true);
    QVERIFY(field<QLabel>(tab, "label_lengthCheck")->isVisibleTo(&tab));
    QVERIFY(length->toolTip().contains("length"));
    length->setValue(length->value() + 0.1);
    QVERIFY(!load->lengthNeedsCheck());
    QCOMPARE(QSettings().value("shoot/3/lengthNeedsCheck").toBool(), false);
    QVERIFY(!field<QLabel>(tab, "label_lengthCheck")->isVisibleTo(&tab) && length->toolTip().isEmpty());
}

void TestParamTab::setManualRestoresTheTitle()
{
    ParamTab tab(3, nullptr);
    Shoot* load = container->GetShoot(3);
    load->setOrigin("db");
    load->setTitle("Sierra    MatchKing 168");
    QSignalSpy titles(load, &Shoot::titleChanged);
    QTest::mouseClick(field<QPushButton>(tab, "pushButton_setManual"), Qt::LeftButton);
    QCOMPARE(load->origin(), QString("manual"));
    QCOMPARE(load->title(), QString("Load 4"));
    QCOMPARE(titles.count(), 1);
    for (const char* name : {"spinBox_BC", "spinBox_weight", "comboBox_Model", "spinBox_caliber", "spinBox_length"})
        QVERIFY2(field<QWidget>(tab, name)->isEnabled(), name);
}

void TestParamTab::zeroRangeState()
{
    ParamTab tab(1, nullptr);
    tab.disableZeroRange();
    QVERIFY(!field<QWidget>(tab, "spinBox_ZR")->isEnabled());
    QVERIFY(!field<QWidget>(tab, "comboBox_unitZR")->isEnabled());
    tab.enableZeroRange();
    QVERIFY(field<QWidget>(tab, "spinBox_ZR")->isEnabled());
    QVERIFY(field<QWidget>(tab, "comboBox_unitZR")->isEnabled());
}

void TestParamTab::noteIsStoredOnEveryKeystroke()
{
    ParamTab tab(0, nullptr);
    auto* note = field<QPlainTextEdit>(tab, "plainTextEdit_note");
    note->setFocus();
    QTest::keyClicks(note, "ok");
    QCOMPARE(container->GetShoot(0)->note(), QString("ok"));
    QCOMPARE(QSettings().value("shoot/0/note").toString(), QString("ok"));
    QTest::keyClick(note, Qt::Key_Backspace);
    QCOMPARE(QSettings().value("shoot/0/note").toString(), QString("o"));
}

void TestParamTab::masterSelectorPreselectsTheFirstLoad()
{
    container->GetShoot(2)->setOrigin("db");
    container->GetShoot(2)->setTitle("Berger 105");
    container->setMultiShootBehaviorZero();
    container->SetMasterShoot(3);

    MasterSelector selector;
    QCOMPARE(selector.windowTitle(), QString("Master Shoot Selection"));
    QVERIFY(selector.isModal());
    selector.start();
    QVERIFY(selector.isVisible());
    QCOMPARE(selector.list()->count(), 4);
    QCOMPARE(selector.list()->itemText(2), QString("Berger 105"));
    QCOMPARE(selector.list()->currentIndex(), 0);

    QSignalSpy behaviour(container, &ShootContainer::SendMultiShootBehavior);
    selector.list()->setCurrentIndex(2);
    selector.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!selector.isVisible()); // closed before the master is set
    QCOMPARE(container->masterIndex(), 2);
    QCOMPARE(behaviour.count(), 1);
    QCOMPARE(behaviour.first(), QList<QVariant>({"zero", 2}));

    selector.start(); // the list is filled again and starts on the first load
    QCOMPARE(selector.list()->currentIndex(), 0);
    selector.reject();
}

void TestParamTab::masterSelectorCancelSetsNothing()
{
    container->SetMasterShoot(1);
    MasterSelector selector;
    selector.start();
    selector.list()->setCurrentIndex(3);
    QSignalSpy behaviour(container, &ShootContainer::SendMultiShootBehavior);
    QTest::keyClick(&selector, Qt::Key_Escape);
    QVERIFY(!selector.isVisible());
    QCOMPARE(container->masterIndex(), 1);
    QCOMPARE(behaviour.count(), 0);
}

QTEST_MAIN(TestParamTab)
#include "tst_paramtab.moc"
