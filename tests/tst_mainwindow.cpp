// The assembled main window on an empty store of its own: the first start, both directions of
// the settings wiring, the enable rules, units and angle display, the load editor tab and the
// master selector, language and user manual. One window per process, as in the program: the
// test functions run in order on it.
#include "app/mainwindow.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/masterselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "windowtesting.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

// A widget, its key in the store, a value other than the default and, for a value that only
// survives a re-read when a check box is on ("!" when off), that check box's key.
const char* const wires[] = {"spinBox_maxRange global/maxRange 1250", "comboBox_maxRangeUnit global/maxRangeUnit 1",
    "checkBox_autoRange global/autoRange false", "checkBox_spinDrift global/includeSpinDrift true",
    "spinBox_cardStep global/cardStep 25", "checkBox_display_MOA global/cardDisplayMOA true",
    "checkBox_display_mils global/cardDisplayMils true", "checkBox_display_clicks global/cardDisplayClicks true",
    "doubleSpinBox_sightHeight rifle/sightHeight 4.25", "comboBox_sightHeightUnit rifle/sightHeightUnit 1",
    "doubleSpinBox_twist rifle/twist 9.5", "comboBox_twistUnit rifle/twistUnit 0",
    "comboBox_twistDirection rifle/twistDirection 0", "comboBox_scopeClick rifle/scopeClick 3",
    "doubleSpinBox_manScopeClickHorizDev rifle/manScopeDevH 1.25",
    "comboBox_manScopeClickHorizDevUnit rifle/manScopeDevUnitH 1",
    "doubleSpinBox_manScopeClickHorizDist rifle/manScopeDistH 250",
    "comboBox_manScopeClickHorizDistUnit rifle/manScopeDistUnitH 1",
    "doubleSpinBox_manScopeClickVertDev rifle/manScopeDevV 0.75",
    "comboBox_manScopeClickVertDevUnit rifle/manScopeDevUnitV 1",
    "doubleSpinBox_manScopeClickVertDist rifle/manScopeDistV 300",
    "comboBox_manScopeClickVertDistUnit rifle/manScopeDistUnitV 1", "doubleSpinBox_windVelo envir/windVelocity 7.5",
    "comboBox_WindVeloUnit envir/windVelocityUnit 3", "spinBox_WindAngle envir/windAngle -90",
    "checkBox_default_pressure envir/useDefaultPressure false",
    "doubleSpinBox_base_pression envir/basePressure 985 !envir/useDefaultPressure",
    "comboBox_base_pression_unit envir/basePressureUnit 1 !envir/useDefaultPressure",
    "checkBox_altitude_correction envir/altitudeCorrection true",
    "doubleSpinBox_altitude envir/altitude 1200 envir/altitudeCorrection",
    "comboBox_altitude_unit envir/altitudeUnit 1", "spinBox_uphill_angle envir/upHillAngle 30",
    "comboBox_uphill_direction envir/upHillDirection 1", "doubleSpinBox_temp envir/temperature -12",
    "comboBox_temp_unit envir/temperatureUnit 1"};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void firstStartShowsDefaults();
    void wiring_data();
    void wiring();
    void listsAndEnableRules();
    void displays();
    void loadWiring_data();
    void loadWiring();
    void editsOfTheLoadPage();
    void databaseLoadGreysItsBulletFields();
    void masterSelector();
    void languageAndManual();
    void firstStartFollowsSystemLocale();

private:
    template <typename T> T* widget(const QString& name) const { return WindowTesting::widget<T>(window.get(), name); }
    template <typename T = QWidget> static T* widget(const QObject* root, const QString& name)
    {
        return WindowTesting::widget<T>(root, name);
    }
    void launchManual(const QStringList& files);
    void restoreFirstStart();

    QTemporaryDir programDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
    QList<QPair<QString, QString>> warnings;
    QList<QUrl> opened;
    bool openResult = false, answer = false;
    int questions = 0, restarts = 0;
    std::unique_ptr<MainWindow> window; // last, so destroyed first: its seams reach the members above
};

void TestMainWindow::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    QVERIFY(
        QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) && QSettings().allKeys().isEmpty());

    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings.append({title, text}); });
    // The window's databases are copies, and its log goes beside them.
    QVERIFY(WindowTesting::copyShippedDatabases(programDir.path()));
    window = std::make_unique<MainWindow>(programDir.path());
    window->setQuestionAsker([this](const QString&, const QString&) { return ++questions, answer; });
    window->setDocumentOpener([this](const QUrl& url) { return opened.append(url), openResult; });
    window->setRestarter([this] { ++restarts; });
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// The store and loads of a first start, each load computing on its own.
void TestMainWindow::restoreFirstStart()
{
    QSettings().clear();
    settings->initialize();
    ParameterFile::restoreLoads();
    container->setMultiShootBehaviorIndep();
    container->SetMasterShoot(0);
}

// Runs the user manual action in a working folder whose doc/ holds those (empty) files.
void TestMainWindow::launchManual(const QStringList& files)
{
    QTemporaryDir workingDir;
    QVERIFY(QDir(workingDir.path()).mkpath("doc"));
    for (const QString& name : files)
        QVERIFY(QFile(workingDir.path() + "/doc/" + name).open(QIODevice::WriteOnly));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workingDir.path());
    opened.clear();
    warnings.clear();
    window->LaunchUserManual();
    QDir::setCurrent(previous);
}

void TestMainWindow::firstStartShowsDefaults()
{
    QCOMPARE(window->windowTitle(), QString("Vanto v2.1.1"));
    QVERIFY(window->statusBar()->currentMessage().startsWith("version 2.1.1 - build "));
    QCOMPARE(QSettings().allKeys().filter(QRegularExpression("^(global|envir|rifle)/")).size(), 39);
    // The four loads are restored with their defaults; the first one takes part.
    QCOMPARE(QSettings().value("shoot/0/active").toString(), QString("true"));
    QCOMPARE(QSettings().value("shoot/3/title").toString(), QString("Load 4"));
    QCOMPARE(widget<QSpinBox>("spinBox_cardStep")->suffix(), QString(" m"));
    for (const char* off : {"spinBox_maxRange", "doubleSpinBox_manScopeClickHorizDev", "doubleSpinBox_base_pression",
             "doubleSpinBox_altitude", "actionGerman", "actionEspanol", "actionRussian"})
        QVERIFY2(!widget<QObject>(off)->property("enabled").toBool(), off);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("30"));
    QVERIFY(widget<QAction>("actionMetric")->isChecked() && !widget<QAction>("actionMOA")->isChecked());
    QCOMPARE(widget<QToolBox>("toolBox_params")->currentIndex(), 2);
    // The store's language stays empty until the user picks one.
    QCOMPARE(settings->language(), QString());
}

void TestMainWindow::wiring_data()
{
    QTest::addColumn<QStringList>("wire");
    for (const char* wire : wires)
        QTest::newRow(wire) << QString(wire).split(' ');
}

// Widget to store, then store to widget (as a parameter file load pushes values); it starts on
// the store of the first start.
void TestMainWindow::wiring()
{
    QFETCH(QStringList, wire);
    const QString key = wire[1], value = wire[2], condition = wire.value(3).remove('!');
    if (!condition.isEmpty())
        QSettings().setValue(condition, !wire[3].startsWith('!'));
    QWidget* control = widget<QWidget>(wire[0]);
    const auto shown = [control] { return control->property(WindowTesting::valueProperty(control)).toString(); };
    const QString original = shown();
    QCOMPARE(original, QSettings().value(key).toString()); // the page shows what the store holds
    QVERIFY(original != value);
    for (const QString& set : {value, original}) {
        control->setProperty(WindowTesting::valueProperty(control), set);
        QCOMPARE(QSettings().value(key).toString(), set);
    }
    // The store pushes back into the widget while it initializes from a changed store.
    QSettings().setValue(key, value);
    settings->initialize();
    QCOMPARE(shown(), value);
    QSettings().setValue(key, original);
    if (!condition.isEmpty()) // (an empty key would remove them all)
        QSettings().remove(condition);
    settings->initialize();
    QCOMPARE(shown(), original);
}

void TestMainWindow::listsAndEnableRules()
{
    for (const auto& [list, index] :
        {std::pair{"comboBox_WindVeloUnit", 2}, {"comboBox_base_pression_unit", 1}, {"comboBox_altitude_unit", 1},
            {"comboBox_temp_unit", 1}, {"comboBox_sightHeightUnit", 1}, {"comboBox_twistDirection", 0},
            {"comboBox_twistUnit", 0}, {"comboBox_uphill_direction", 1}, {"comboBox_scopeClick", 5}})
        widget<QComboBox>(list)->setCurrentIndex(index);
    const QStringList texts
        = {settings->windVelocityUnitStr(), settings->pressureUnitStr(), settings->altitudeUnitStr(),
            settings->temperatureUnitStr(), settings->sightHeightUnitStr(), settings->twistDirectionStr(),
            settings->twistUnitStr(), settings->upHillDirectionStr(), settings->scopeClickStr()};
    QCOMPARE(texts.join(' '), QString("km/h mmHg ft F in right cm Down 1cm@100m"));
    // Back to the defaults for the tests that follow.
    QSettings().clear();
    settings->initialize();
    QCOMPARE(settings->scopeClickStr(), QString("1/2 moa"));

    const auto enabled = [this](const char* name) { return widget<QWidget>(name)->isEnabled(); };
    for (const bool on : {false, true}) {
        widget<QCheckBox>("checkBox_autoRange")->setChecked(on);
        QVERIFY(enabled("spinBox_maxRange") != on && enabled("comboBox_maxRangeUnit") != on);
    }
    // The default pressure rewrites the base pressure in mbar; no altitude correction clears the
    // altitude.
    auto* defaultPressure = widget<QCheckBox>("checkBox_default_pressure");
    defaultPressure->setChecked(false);
    QVERIFY(enabled("doubleSpinBox_base_pression") && enabled("comboBox_base_pression_unit"));
    widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->setValue(720);
    widget<QComboBox>("comboBox_base_pression_unit")->setCurrentIndex(1);
    defaultPressure->setChecked(true);
    QVERIFY(!enabled("doubleSpinBox_base_pression") && !enabled("comboBox_base_pression_unit"));
    QCOMPARE(QSettings().value("envir/basePressure").toDouble(), 1013.0);
    QCOMPARE(QSettings().value("envir/basePressureUnit").toInt(), 0);
    auto* altitudeCorrection = widget<QCheckBox>("checkBox_altitude_correction");
    altitudeCorrection->setChecked(true);
    QVERIFY(enabled("doubleSpinBox_altitude") && enabled("comboBox_altitude_unit"));
    widget<QDoubleSpinBox>("doubleSpinBox_altitude")->setValue(800);
    altitudeCorrection->setChecked(false);
    QVERIFY(!enabled("doubleSpinBox_altitude") && !enabled("comboBox_altitude_unit"));
    QCOMPARE(QSettings().value("envir/altitude").toDouble(), 0.0);

    // A custom scope click opens its twelve fields.
    const QList<QWidget*> custom
        = window->findChildren<QWidget*>(QRegularExpression("^(label|doubleSpinBox|comboBox)_manScopeClick"));
    QCOMPARE(custom.size(), 12);
    for (const int click : {6, 2, 1}) {
        widget<QComboBox>("comboBox_scopeClick")->setCurrentIndex(click);
        for (QWidget* field : custom)
            QVERIFY2(field->isEnabled() == (click == 6), qPrintable(field->objectName()));
    }
}

void TestMainWindow::displays()
{
    QSignalSpy recompute(window.get(), &MainWindow::recomputeRequested);
    auto* moa = widget<QAction>("actionMOA");
    auto* mils = widget<QAction>("actionmils");
    for (const auto& [action, display] : {std::pair{moa, 1}, {mils, 2}, {mils, 0}}) {
        action->trigger();
        QCOMPARE(QSettings().value("global/useAngleDisplay").toInt(), display);
        QVERIFY(moa->isChecked() == (display == 1) && mils->isChecked() == (display == 2));
    }
    // A unit already chosen changes nothing and computes nothing.
    auto* cardStep = widget<QSpinBox>("spinBox_cardStep");
    for (const auto& [action, unit, suffix, computed] :
        {std::tuple{"actionUS", 1, " yd", 4}, {"actionUS", 1, " yd", 4}, {"actionMetric", 0, " m", 5}}) {
        widget<QAction>(action)->trigger();
        QCOMPARE(QSettings().value("global/unitSystem").toInt(), unit);
        QVERIFY(widget<QAction>("actionMetric")->isChecked() == (unit == 0));
        QCOMPARE(cardStep->suffix(), QString(suffix));
        QCOMPARE(recompute.count(), computed);
    }
    // While the store initializes nothing is computed.
    QSettings().setValue("global/unitSystem", 1);
    settings->initialize();
    QCOMPARE(cardStep->suffix(), QString(" yd"));
    QCOMPARE(recompute.count(), 5);

    settings->setKillZone(1234567.0);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("1.23457e+06"));
    settings->setKillZoneUnitStr("in");
    settings->setKillZoneUnit(1);
    QCOMPARE(widget<QLabel>("label_kill_zone_unit")->text(), QString("in"));

    // The sock over the rose turns with the wind, counterclockwise for a positive angle.
    auto* rose = widget<QLabel>("label_windRose");
    const auto shown = [rose](int angle) {
        Settings::instance()->setWindAngle(angle);
        return rose->findChild<QLabel*>()->pixmap(Qt::ReturnByValue).toImage();
    };
    QVERIFY(!shown(0).isNull());
    QCOMPARE(shown(90), shown(0).transformed(QTransform().rotate(-90)));
    QCOMPARE(widget<QSpinBox>("spinBox_WindAngle")->value(), 90);
    QCOMPARE(shown(-180), shown(180));
}

void TestMainWindow::loadWiring_data()
{
    QTest::addColumn<QStringList>("wire"); // a field, the load's key in the store, another value
    const QString wires
        = "spinBox_V0 muzzleVelocity 910;comboBox_unitV0 muzzleVelocityUnit 1;spinBox_weight weight 9.7;"
          "comboBox_unitWeight weightUnit 1;spinBox_caliber caliber 6.5;comboBox_unitCaliber caliberUnit 1;"
          "spinBox_length length 33.5;comboBox_unitLength lengthUnit 1;spinBox_BC BCmultiBC 0.31;"
          "comboBox_Model gModel 4;spinBox_ZR zeroRange 300;comboBox_unitZR zeroRangeUnit 1;"
          "checkBox_activated active true";
    for (const QString& wire : wires.split(';'))
        QTest::newRow(qPrintable(wire)) << wire.split(' ');
}

// Store to field as a restore (the start, a parameter file) pushes it, then field to load and store.
void TestMainWindow::loadWiring()
{
    restoreFirstStart();
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

void TestMainWindow::editsOfTheLoadPage()
{
    restoreFirstStart();
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

void TestMainWindow::databaseLoadGreysItsBulletFields()
{
    restoreFirstStart();
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
void TestMainWindow::masterSelector()
{
    restoreFirstStart();
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

void TestMainWindow::languageAndManual()
{
    settings->setLanguage("en");
    widget<QAction>("actionEnglish")->trigger(); // the same language asks nothing
    QCOMPARE(questions, 0);
    // Answered no: French is loaded; the window's own texts change at the next start.
    widget<QAction>("actionFrancais")->trigger();
    QCOMPARE(qMakePair(questions, restarts), qMakePair(1, 0));
    QCOMPARE(QSettings().value("global/language").toString(), QString("fr"));
    QVERIFY(widget<QAction>("actionFrancais")->isChecked());
    QVERIFY(QCoreApplication::translate("MainWindow", "Compute !") != QString("Compute !"));
    QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Compute !"));

    answer = true;
    widget<QAction>("actionItaliano")->trigger();
    QCOMPARE(qMakePair(questions, restarts), qMakePair(2, 1));
    QCOMPARE(settings->language(), QString("it"));

    // The manual in the user's language, else the English one; a warning when no reader opens any.
    settings->setLanguage("xx");
    openResult = true;
    launchManual({"vanto_UserManual_en.pdf"});
    QVERIFY(
        opened.size() == 1 && opened[0].toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf") && warnings.isEmpty());

    openResult = false;
    launchManual({"vanto_UserManual_xx.pdf", "vanto_UserManual_en.pdf"});
    QVERIFY(opened.first().toLocalFile().endsWith("/doc/vanto_UserManual_xx.pdf")
        && opened.last().toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf"));
    QCOMPARE(warnings,
        (QList<QPair<QString, QString>>{
            {"Warning", "No reader found for pdf format. Please install a pdf reader to display user manual"}}));
}

// Run by CTest a second time with an Italian system locale and a store of its own.
void TestMainWindow::firstStartFollowsSystemLocale()
{
    if (!QLocale::system().name().startsWith("it"))
        QSKIP("needs the system locale it_IT (a separate CTest run)");
    QVERIFY(!QSettings().contains("global/language"));
    QVERIFY(widget<QAction>("actionItaliano")->isChecked());
    QVERIFY(QCoreApplication::translate("MainWindow", "Compute !") != QString("Compute !"));
    // The manual of an unchosen language has an empty language part, then English follows.
    launchManual({"vanto_UserManual_.pdf", "vanto_UserManual_en.pdf"});
    QVERIFY(opened.first().toLocalFile().endsWith("/doc/vanto_UserManual_.pdf"));
    QVERIFY(opened.last().toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
