// The load editor tab and the master selector: the wiring to the load both ways, a database
// load's greyed fields, the return to a hand-typed load, and the selector's choice and cancel.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "loads/masterselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "windowtesting.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using WindowTesting::widget;

class TestParamTab : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void wiring_data();
    void wiring();
    void editsOfTheLoadPage();
    void databaseLoadGreysItsBulletFields();
    void masterSelector();

private:
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

void TestParamTab::wiring_data()
{
    QTest::addColumn<QStringList>("wire"); // a field, the load's key in the store, another value
    for (const char* wire : {"spinBox_V0 muzzleVelocity 910", "comboBox_unitV0 muzzleVelocityUnit 1",
             "spinBox_weight weight 9.7", "comboBox_unitWeight weightUnit 1", "spinBox_caliber caliber 6.5",
             "comboBox_unitCaliber caliberUnit 1", "spinBox_length length 33.5", "comboBox_unitLength lengthUnit 1",
             "spinBox_BC BCmultiBC 0.31", "comboBox_Model gModel 4", "spinBox_ZR zeroRange 300",
             "comboBox_unitZR zeroRangeUnit 1", "checkBox_activated active true"})
        QTest::newRow(wire) << QString(wire).split(' ');
}

// Store to field as a restore (the start, a parameter file) pushes it, then field to load and store.
void TestParamTab::wiring()
{
    QFETCH(QStringList, wire);
    ParamTab tab(2, nullptr);
    Shoot* load = container->GetShoot(2);
    QWidget* control = widget(&tab, wire[0]);
    const auto shown = [control] { return control->property(WindowTesting::valueProperty(control)).toString(); };
    const QString key = "shoot/2/" + wire[1];
    QSettings().setValue(key, wire[2]);
    load->restoreFromSettings();
    QCOMPARE(shown(), wire[2]);
    QSettings().remove(key);
    load->restoreFromSettings(); // the default again
    QVERIFY(shown() != wire[2]);
    control->setProperty(WindowTesting::valueProperty(control), wire[2]);
    QCOMPARE(QSettings().value(key).toString(), wire[2]);
}

void TestParamTab::editsOfTheLoadPage()
{
    ParamTab tab(0, nullptr);
    QCOMPARE(
        ParamTab(1, nullptr).findChild<QComboBox*>("comboBox_unitZR")->currentIndex(), -1); // until the load speaks
    Shoot* load = container->GetShoot(0);
    for (const char* list : {"comboBox_unitV0", "comboBox_unitWeight", "comboBox_unitZR"})
        widget<QComboBox>(&tab, list)->setCurrentIndex(1);
    widget<QComboBox>(&tab, "comboBox_Model")->setCurrentIndex(4);
    QCOMPARE(QStringList(
                 {load->muzzleVelocityUnitStr(), load->weightUnitStr(), load->GModelStr(), load->zeroRangeUnitStr()}),
        QStringList({"f/s", "g", "G7", "yd"}));

    // What the user types is not sent back to the field.
    QSignalSpy echoes(load, &Shoot::weightChanged);
    widget<QDoubleSpinBox>(&tab, "spinBox_weight")->setValue(123.4);
    QCOMPARE(load->weight(), 123.4);
    QCOMPARE(echoes.count(), 0);
    // The far zero that "Same Angle" gives a load is shown as found, and stays.
    load->setZeroRange(1148);
    QCOMPARE(widget<QSpinBox>(&tab, "spinBox_ZR")->value(), 1148);
    QCOMPARE(load->zeroRange(), 1148);
    for (const bool on : {false, true}) {
        on ? tab.enableZeroRange() : tab.disableZeroRange();
        QVERIFY(widget(&tab, "spinBox_ZR")->isEnabled() == on && widget(&tab, "comboBox_unitZR")->isEnabled() == on);
    }
    // The note is stored on every keystroke, and a restore shows the stored one.
    auto* note = widget<QPlainTextEdit>(&tab, "plainTextEdit_note");
    note->setFocus();
    QTest::keyClicks(note, "ok");
    QCOMPARE(container->GetShoot(0)->note(), QString("ok"));
    QTest::keyClick(note, Qt::Key_Backspace);
    QCOMPARE(QSettings().value("shoot/0/note").toString(), QString("o"));
    QSettings().setValue("shoot/0/note", "match load");
    container->GetShoot(0)->restoreFromSettings();
    QCOMPARE(note->toPlainText(), QString("match load"));
}

void TestParamTab::databaseLoadGreysItsBulletFields()
{
    ParamTab tab(3, nullptr);
    Shoot* load = container->GetShoot(3);
    load->setOrigin("db");
    load->setTitle("Sierra    MatchKing 168");
    const QStringList bullet = {"spinBox_BC", "spinBox_weight", "comboBox_unitWeight", "comboBox_Model",
        "spinBox_caliber", "comboBox_unitCaliber"};
    for (QWidget* widget :
        tab.findChildren<QWidget*>(QRegularExpression("^(spinBox|comboBox|checkBox|plainTextEdit)_")))
        QVERIFY2(widget->isEnabled() != bullet.contains(widget->objectName()), qPrintable(widget->objectName()));
    tab.switchOrigin("something else"); // changes nothing
    QVERIFY(!widget(&tab, "spinBox_BC")->isEnabled());

    // A length the database did not give is marked until the user types one.
    auto* length = widget<QDoubleSpinBox>(&tab, "spinBox_length");
    load->setLengthNeedsCheck(true);
    QVERIFY(widget(&tab, "label_lengthCheck")->isVisibleTo(&tab) && length->toolTip().contains("length"));
    length->setValue(length->value() + 0.1);
    QCOMPARE(QSettings().value("shoot/3/lengthNeedsCheck").toBool(), false);
    QVERIFY(!widget(&tab, "label_lengthCheck")->isVisibleTo(&tab) && length->toolTip().isEmpty());

    // Back to a hand-typed load: its own title, every field open.
    QSignalSpy titles(load, &Shoot::titleChanged);
    QTest::mouseClick(widget<QPushButton>(&tab, "pushButton_setManual"), Qt::LeftButton);
    QCOMPARE(load->origin(), QString("manual"));
    QCOMPARE(load->title(), QString("Load 4"));
    QCOMPARE(titles.count(), 1);
    for (const QString& name : bullet)
        QVERIFY2(widget(&tab, name)->isEnabled(), qPrintable(name));
}

// The selector starts on the first load; OK closes it, then sets the master once; a cancel
// (the escape key) sets nothing.
void TestParamTab::masterSelector()
{
    container->GetShoot(2)->setOrigin("db");
    container->GetShoot(2)->setTitle("Berger 105");
    container->setMultiShootBehaviorZero();
    container->SetMasterShoot(3);
    MasterSelector selector;
    QSignalSpy behaviour(container, &ShootContainer::SendMultiShootBehavior);
    for (const bool confirm : {true, false}) {
        selector.start();
        QVERIFY(selector.isVisible());
        QCOMPARE(selector.list()->count(), 4);
        QCOMPARE(selector.list()->itemText(2), QString("Berger 105"));
        QCOMPARE(selector.list()->currentIndex(), 0);
        selector.list()->setCurrentIndex(confirm ? 2 : 1);
        if (confirm)
            selector.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        else
            QTest::keyClick(&selector, Qt::Key_Escape);
        QVERIFY(!selector.isVisible());
        QCOMPARE(container->masterIndex(), 2);
        QCOMPARE(behaviour.count(), 1);
        QCOMPARE(behaviour.first(), QList<QVariant>({"zero", 2}));
    }
}

QTEST_MAIN(TestParamTab)
#include "tst_paramtab.moc"
