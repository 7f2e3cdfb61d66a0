// The assembled main window on an empty store of its own: the form, both directions of the
// settings wiring, the enable rules, units and angle display, language and user manual.
// One window per process, as in the program: the test functions run in order on it.
#include "app/mainwindow.h"
#include "core/messages.h"
#include "results/graphcontainer.h"
#include "results/infopanel.h"
#include "results/rangecard.h"
#include "settings/settings.h"
#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QtTest>
#include <qwt_plot.h>

#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void firstStartShowsDefaults();
    void formWidgets_data();
    void formWidgets();
    void formResources();
    void languageActions_data();
    void languageActions();
    void wiring_data();
    void wiring();
    void displayTextsFollowTheLists();
    void enableRules();
    void customScopeClick();
    void moaAndMilsExcludeEachOther();
    void unitSystemSwitch();
    void killZoneLabels();
    void windSockTurns();
    void sameLanguageAsksNothing();
    void otherLanguageAnsweredNo();
    void otherLanguageAnsweredYesRestarts();
    void userManualFallsBackToEnglish();
    void userManualWarnsWhenNothingOpens();
    void computeFillsGraphPanelsAndCards();
    void firstStartFollowsSystemLocale();

private:
    template <typename T> T* widget(const QString& name) const { return WindowTesting::widget<T>(window.get(), name); }
    static QString items(const QComboBox* list);
    static void setWidgetValue(QWidget* widget, const QVariant& value);
    static QVariant widgetValue(QWidget* widget);

    QTemporaryDir programDir;
    std::unique_ptr<MainWindow> window;
    Settings* settings = nullptr;
    QList<QPair<QString, QString>> warnings;
    QList<QUrl> opened;
    bool openResult = false;
    int questions = 0;
    bool answer = false;
    int restarts = 0;
};

void TestMainWindow::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    QVERIFY2(
        QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")), qPrintable(QSettings().fileName()));
    QVERIFY(QSettings().allKeys().isEmpty());

    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings.append({title, text}); });
    // The window's databases are copies, and its log goes beside them.
    QVERIFY(WindowTesting::copyShippedDatabases(programDir.path()));
    window = std::make_unique<MainWindow>(programDir.path());
    window->setQuestionAsker([this](const QString&, const QString&) {
        ++questions;
        return answer;
    });
    window->setDocumentOpener([this](const QUrl& url) {
        opened.append(url);
        return openResult;
    });
    window->setRestarter([this] { ++restarts; });
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    settings = Settings::instance();
}

void TestMainWindow::cleanupTestCase()
{
    window.reset();
    Messages::setWarningSink({});
}

QString TestMainWindow::items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts.join('|');
}

void TestMainWindow::setWidgetValue(QWidget* widget, const QVariant& value)
{
    if (auto* box = qobject_cast<QSpinBox*>(widget))
        box->setValue(value.toInt());
    else if (auto* box = qobject_cast<QDoubleSpinBox*>(widget))
        box->setValue(value.toDouble());
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        list->setCurrentIndex(value.toInt());
    else if (auto* check = qobject_cast<QCheckBox*>(widget))
        check->setChecked(value.toBool());
}

QVariant TestMainWindow::widgetValue(QWidget* widget)
{
    if (auto* box = qobject_cast<QSpinBox*>(widget))
        return box->value();
    if (auto* box = qobject_cast<QDoubleSpinBox*>(widget))
        return box->value();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentIndex();
    if (auto* check = qobject_cast<QCheckBox*>(widget))
        return check->isChecked();
    return {};
}

void TestMainWindow::firstStartShowsDefaults()
{
    QCOMPARE(window->windowTitle(), QString("Vanto v2.1.1"));
    QVERIFY2(window->statusBar()->currentMessage().startsWith("version 2.1.1 - build "),
        qPrintable(window->statusBar()->currentMessage()));
    QVERIFY(settings->isInitialized());
    const QStringList keys = QSettings().allKeys();
    QCOMPARE(keys.filter(QRegularExpression("^(global|envir|rifle)/")).size(), 39);
    // The four loads are restored with their defaults; the first one takes part.
    QCOMPARE(QSettings().value("shoot/0/active").toString(), QString("true"));
    QCOMPARE(QSettings().value("shoot/3/title").toString(), QString("Load 4"));
    QCOMPARE(QSettings().value("shoot/3/BCmultiBC").toString(), QString("0.75"));

    QCOMPARE(widget<QSpinBox>("spinBox_maxRange")->value(), 800);
    QCOMPARE(widget<QComboBox>("comboBox_maxRangeUnit")->currentIndex(), 0);
    QVERIFY(widget<QCheckBox>("checkBox_autoRange")->isChecked());
    QVERIFY(!widget<QSpinBox>("spinBox_maxRange")->isEnabled());
    QCOMPARE(widget<QSpinBox>("spinBox_cardStep")->value(), 50);
    QCOMPARE(widget<QSpinBox>("spinBox_cardStep")->suffix(), QString(" m"));
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_sightHeight")->value(), 3.5);
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_twist")->value(), 13.0);
    QCOMPARE(widget<QComboBox>("comboBox_twistUnit")->currentText(), QString("in"));
    QCOMPARE(widget<QComboBox>("comboBox_twistDirection")->currentIndex(), 1);
    QCOMPARE(widget<QComboBox>("comboBox_scopeClick")->currentText(), QString("1/2 moa"));
    QVERIFY(!widget<QDoubleSpinBox>("doubleSpinBox_manScopeClickHorizDev")->isEnabled());
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_manScopeClickVertDist")->value(), 100.0);
    QVERIFY(widget<QCheckBox>("checkBox_default_pressure")->isChecked());
    QVERIFY(!widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->isEnabled());
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->value(), 1013.0);
    QVERIFY(!widget<QCheckBox>("checkBox_altitude_correction")->isChecked());
    QVERIFY(!widget<QDoubleSpinBox>("doubleSpinBox_altitude")->isEnabled());
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_altitude")->value(), 0.0);
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_windVelo")->value(), 15.0);
    QCOMPARE(widget<QComboBox>("comboBox_WindVeloUnit")->currentText(), QString("m/s"));
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_temp")->value(), 25.0);
    QCOMPARE(widget<QComboBox>("comboBox_temp_unit")->currentText(), QString("C"));
    QCOMPARE(widget<QComboBox>("comboBox_uphill_direction")->currentIndex(), 0);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("30"));
    QVERIFY(widget<QAction>("actionMetric")->isChecked());
    QVERIFY(!widget<QAction>("actionUS")->isChecked());
    QVERIFY(!widget<QAction>("actionMOA")->isChecked());
    QVERIFY(!widget<QAction>("actionmils")->isChecked());
    QCOMPARE(widget<QComboBox>("comboBox_multi_shoot_behavior")->currentIndex(), 0);
    QCOMPARE(widget<QToolBox>("toolBox_params")->currentIndex(), 2);
    QCOMPARE(widget<QTabWidget>("tabWidget_results")->currentIndex(), 0);
    // The store's language stays empty until the user picks one.
    QCOMPARE(settings->language(), QString());
}

void TestMainWindow::formWidgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    const auto row = [](const QString& name, const char* property, const QVariant& expected) {
        QTest::newRow(qPrintable(name + "." + property)) << name << QString(property) << expected;
    };
    const auto range = [&row](const QString& name, const QVariant& minimum, const QVariant& maximum) {
        row(name, "minimum", minimum);
        row(name, "maximum", maximum);
    };

    range("spinBox_maxRange", 100, 4000);
    row("spinBox_maxRange", "singleStep", 50);
    row("comboBox_maxRangeUnit", "items", "m|yd");
    row("comboBox_multi_shoot_behavior", "items", "Independant|Same Zero Range|Same Angle");
    row("pushButton_kill_zone", "text", "Edit");
    range("spinBox_cardStep", 1, 200);
    range("doubleSpinBox_sightHeight", 0.0, 15.0);
    row("doubleSpinBox_sightHeight", "decimals", 2);
    row("doubleSpinBox_sightHeight", "singleStep", 0.01);
    row("comboBox_sightHeightUnit", "items", "cm|in");
    range("doubleSpinBox_twist", 5.0, 50.0);
    row("doubleSpinBox_twist", "decimals", 1);
    row("doubleSpinBox_twist", "singleStep", 0.1);
    row("comboBox_twistUnit", "items", "cm|in");
    row("comboBox_twistDirection", "items", "right|left");
    row("comboBox_scopeClick", "items", "1 moa|1/2 moa|1/4 moa|1/8 moa|1/16 moa|1cm@100m|custom value");
    for (const QString axis : {"Horiz", "Vert"}) {
        range("doubleSpinBox_manScopeClick" + axis + "Dev", 0.0, 100.0);
        row("doubleSpinBox_manScopeClick" + axis + "Dev", "decimals", 2);
        row("doubleSpinBox_manScopeClick" + axis + "Dev", "singleStep", 0.01);
        row("comboBox_manScopeClick" + axis + "DevUnit", "items", "cm|in");
        range("doubleSpinBox_manScopeClick" + axis + "Dist", 10.0, 999.0);
        row("doubleSpinBox_manScopeClick" + axis + "Dist", "decimals", 0);
        row("doubleSpinBox_manScopeClick" + axis + "Dist", "singleStep", 1.0);
        row("comboBox_manScopeClick" + axis + "DistUnit", "items", "m|yd");
    }
    range("doubleSpinBox_temp", -100.0, 100.0);
    row("doubleSpinBox_temp", "decimals", 0);
    row("doubleSpinBox_temp", "suffix", "°");
    row("comboBox_temp_unit", "items", "C|F");
    range("spinBox_uphill_angle", 0, 75);
    row("comboBox_uphill_direction", "items", "Up|Down");
    row("checkBox_default_pressure", "text", "Default pressure");
    row("checkBox_altitude_correction", "text", "Altitude correction");
    range("doubleSpinBox_base_pression", 10.0, 2000.0);
    row("doubleSpinBox_base_pression", "decimals", 0);
    row("doubleSpinBox_base_pression", "singleStep", 1.0);
    row("comboBox_base_pression_unit", "items", "mbar|mmHg");
    range("doubleSpinBox_altitude", 0.0, 20000.0);
    row("doubleSpinBox_altitude", "decimals", 0);
    row("doubleSpinBox_altitude", "singleStep", 10.0);
    row("comboBox_altitude_unit", "items", "m|ft");
    range("doubleSpinBox_windVelo", 0.0, 30.0);
    row("doubleSpinBox_windVelo", "decimals", 1);
    row("comboBox_WindVeloUnit", "items", "m/s|f/s|km/h|mph");
    range("spinBox_WindAngle", -180, 180);
    row("spinBox_WindAngle", "singleStep", 10);
    row("label_windRose", "maximumSize", QSize(120, 120));
    row("toolBox_params", "minimumHeight", 560); // the window fits 768 px; as wide as its widest page
    row("pushButton_compute", "text", "Compute !");
    row("pushButton_compute", "minimumHeight", 50);
    row("widget", "minimumHeight", 50);
    row("pushButton_graphSelect_Drop", "text", "Drop");
    row("pushButton_graphSelect_Velocity", "text", "Velocity");
    row("pushButton_graphSelect_Energy", "text", "Energy");
    row("pushButton_graphSelect_Drift", "text", "Drift");
    row("pushButton_graphSelect_TOF", "text", "Time of Flight");
    row("pushButton_graphSelect_Bend", "text", "Max Height");
    row("pushButton_zoom", "checkable", true);
    row("pushButton_zoom", "text", "Zoom");
    row("pushButton_resetZoom", "text", "Reset");
    row("actionSave_Paramters", "text", "Save parameters");
    row("actionLoad_parameters", "text", "Load parameters");
    row("actionBC_from_velocity_measurements", "text", "BC from velocity measurements");
    row("actionManage_custom_db", "text", "Manage custom database");
    row("actionHelp", "text", "User Manual");
    row("actionAbout", "text", "About");
    row("actionUS", "checkable", true);
    row("actionMOA", "checkable", true);
    row("actionmils", "checkable", true);
}

void TestMainWindow::formWidgets()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    QObject* object = window->findChild<QObject*>(name);
    QVERIFY2(object, qPrintable(name));
    QVariant actual = property == "items" ? items(qobject_cast<QComboBox*>(object))
                                          : object->property(property.toLatin1().constData());
    if (expected.userType() == QMetaType::Double)
        QVERIFY2(qFuzzyCompare(actual.toDouble(), expected.toDouble()), qPrintable(actual.toString()));
    else
        QCOMPARE(actual.toString() + actual.toSize().width(), expected.toString() + expected.toSize().width());
}

void TestMainWindow::formResources()
{
    const auto toolBox = widget<QToolBox>("toolBox_params");
    QVERIFY(toolBox->count() >= 3);
    QCOMPARE(toolBox->itemText(0), QString("Settings"));
    QCOMPARE(toolBox->itemText(1), QString("Rifle and Scope"));
    QCOMPARE(toolBox->itemText(2), QString("Conditions and Wind"));
    for (int page = 0; page < 3; ++page)
        QVERIFY2(!toolBox->itemIcon(page).isNull(), qPrintable(toolBox->itemText(page)));
    QVERIFY(!widget<QPushButton>("pushButton_compute")->icon().isNull());
    QVERIFY(!widget<QPushButton>("pushButton_zoom")->icon().isNull());
    QVERIFY(!widget<QPushButton>("pushButton_resetZoom")->icon().isNull());
    QVERIFY(!widget<QLabel>("label_windRose")->pixmap(Qt::ReturnByValue).isNull());
    for (const char* action :
        {"actionSave_Paramters", "actionLoad_parameters", "actionManage_custom_db", "actionHelp", "actionAbout"})
        QVERIFY2(!widget<QAction>(action)->icon().isNull(), action);

    const QStringList menus = [this] {
        QStringList titles;
        for (QAction* menu : window->menuBar()->actions())
            titles << menu->text();
        return titles;
    }();
    QCOMPARE(menus, QStringList({"Load/Save", "Units", "Calculate", "Database", "Language", "Vanto"}));

    // Every picture the program names is compiled in.
    const QStringList resources = {":/icons/Information_16x16.png", ":/icons/Paste_32x32.png",
        ":/icons/Print_32x32.png", ":/icons/UserManual.png", ":/icons/Zoom In_32x32.png", ":/icons/Zoom Out_32x32.png",
        ":/icons/bullets.png", ":/icons/chart_line.png", ":/icons/data_gear.png", ":/icons/floppy_disk.png",
        ":/icons/folder_up.png", ":/icons/gears.png", ":/icons/gun.png", ":/icons/media_play_green.png",
        ":/icons/pdf.png", ":/icons/pencil.png", ":/icons/windsock.png", ":/flags/flags/France.png",
        ":/flags/flags/United States of America.png", ":/flags/flags/Germany.png", ":/flags/flags/Italy.png",
        ":/flags/flags/Spain.png", ":/flags/flags/Russian Federation.png", ":/images/windrose/rose.png",
        ":/images/windrose/sock.png", ":/images/targetBig.png", ":/square_icons/blue", ":/square_icons/red",
        ":/square_icons/black", ":/square_icons/darkCyan", ":/square_icons/magenta", ":/square_icons/darkBlue",
        ":/square_icons/darkYellow", ":/square_icons/darkGreen", ":/square_icons/darkMagenta",
        ":/square_icons/darkRed"};
    for (const QString& path : resources)
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

void TestMainWindow::languageActions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("French") << "actionFrancais"
                            << "Français"
                            << "fr" << true;
    QTest::newRow("English") << "actionEnglish"
                             << "English"
                             << "en" << true;
    QTest::newRow("German") << "actionGerman"
                            << "Deutsch"
                            << "de" << false;
    QTest::newRow("Italian") << "actionItaliano"
                             << "Italiano"
                             << "it" << true;
    QTest::newRow("Spanish") << "actionEspanol"
                             << "Español"
                             << "es" << false;
    QTest::newRow("Russian") << "actionRussian"
                             << "Русский"
                             << "ru" << false;
}

void TestMainWindow::languageActions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, enabled);

    const QAction* action = widget<QAction>(name);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->property("locale").toString(), locale);
    QCOMPARE(action->isEnabled(), enabled);
    QVERIFY(action->isCheckable());
    QVERIFY(!action->icon().isNull());
    QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive());
}

void TestMainWindow::wiring_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("conditionKey");

    // The condition is a check box that must be on for the value to survive a re-read: the
    // default pressure rewrites the base pressure, and no altitude correction clears the altitude.
    const auto row = [](const char* name, const char* key, const QVariant& value, const char* condition = "") {
        QTest::newRow(name) << QString(name) << QString(key) << value << QString(condition);
    };
    row("spinBox_maxRange", "global/maxRange", 1250);
    row("comboBox_maxRangeUnit", "global/maxRangeUnit", 1);
    row("checkBox_autoRange", "global/autoRange", false);
    row("checkBox_spinDrift", "global/includeSpinDrift", true);
    row("spinBox_cardStep", "global/cardStep", 25);
    row("checkBox_display_MOA", "global/cardDisplayMOA", true);
    row("checkBox_display_mils", "global/cardDisplayMils", true);
    row("checkBox_display_clicks", "global/cardDisplayClicks", true);
    row("doubleSpinBox_sightHeight", "rifle/sightHeight", 4.25);
    row("comboBox_sightHeightUnit", "rifle/sightHeightUnit", 1);
    row("doubleSpinBox_twist", "rifle/twist", 9.5);
    row("comboBox_twistUnit", "rifle/twistUnit", 0);
    row("comboBox_twistDirection", "rifle/twistDirection", 0);
    row("comboBox_scopeClick", "rifle/scopeClick", 3);
    row("doubleSpinBox_manScopeClickHorizDev", "rifle/manScopeDevH", 1.25);
    row("comboBox_manScopeClickHorizDevUnit", "rifle/manScopeDevUnitH", 1);
    row("doubleSpinBox_manScopeClickHorizDist", "rifle/manScopeDistH", 250.0);
    row("comboBox_manScopeClickHorizDistUnit", "rifle/manScopeDistUnitH", 1);
    row("doubleSpinBox_manScopeClickVertDev", "rifle/manScopeDevV", 0.75);
    row("comboBox_manScopeClickVertDevUnit", "rifle/manScopeDevUnitV", 1);
    row("doubleSpinBox_manScopeClickVertDist", "rifle/manScopeDistV", 300.0);
    row("comboBox_manScopeClickVertDistUnit", "rifle/manScopeDistUnitV", 1);
    row("doubleSpinBox_windVelo", "envir/windVelocity", 7.5);
    row("comboBox_WindVeloUnit", "envir/windVelocityUnit", 3);
    row("spinBox_WindAngle", "envir/windAngle", -90);
    row("checkBox_default_pressure", "envir/useDefaultPressure", false);
    row("doubleSpinBox_base_pression", "envir/basePressure", 985.0, "!envir/useDefaultPressure");
    row("comboBox_base_pression_unit", "envir/basePressureUnit", 1, "!envir/useDefaultPressure");
    row("checkBox_altitude_correction", "envir/altitudeCorrection", true);
    row("doubleSpinBox_altitude", "envir/altitude", 1200.0, "envir/altitudeCorrection");
    row("comboBox_altitude_unit", "envir/altitudeUnit", 1);
    row("spinBox_uphill_angle", "envir/upHillAngle", 30);
    row("comboBox_uphill_direction", "envir/upHillDirection", 1);
    row("doubleSpinBox_temp", "envir/temperature", -12.0);
    row("comboBox_temp_unit", "envir/temperatureUnit", 1);
}

// Widget to store, then store to widget (as a parameter file load pushes values).
void TestMainWindow::wiring()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, conditionKey);

    if (!conditionKey.isEmpty()) {
        const bool on = !conditionKey.startsWith('!');
        QSettings().setValue(conditionKey.mid(on ? 0 : 1), on);
    }
    QWidget* control = widget<QWidget>(name);
    const QVariant original = widgetValue(control);
    QVERIFY2(original != value, "pick a value that differs from the current one");

    setWidgetValue(control, value);
    QCOMPARE(QSettings().value(key).toString(), value.toString());

    setWidgetValue(control, original);
    QCOMPARE(QSettings().value(key).toString(), original.toString());

    // The store pushes back into the widget while it initializes from a changed store.
    QSettings().setValue(key, value);
    settings->initialize();
    QCOMPARE(widgetValue(control).toString(), value.toString());

    QSettings().setValue(key, original);
    if (!conditionKey.isEmpty())
        QSettings().remove(conditionKey.mid(conditionKey.startsWith('!') ? 1 : 0));
    settings->initialize();
    QCOMPARE(widgetValue(control).toString(), original.toString());
}

void TestMainWindow::displayTextsFollowTheLists()
{
    widget<QComboBox>("comboBox_WindVeloUnit")->setCurrentIndex(2);
    QCOMPARE(settings->windVelocityUnitStr(), QString("km/h"));
    widget<QComboBox>("comboBox_base_pression_unit")->setCurrentIndex(1);
    QCOMPARE(settings->pressureUnitStr(), QString("mmHg"));
    widget<QComboBox>("comboBox_altitude_unit")->setCurrentIndex(1);
    QCOMPARE(settings->altitudeUnitStr(), QString("ft"));
    widget<QComboBox>("comboBox_temp_unit")->setCurrentIndex(1);
    QCOMPARE(settings->temperatureUnitStr(), QString("F"));
    widget<QComboBox>("comboBox_sightHeightUnit")->setCurrentIndex(1);
    QCOMPARE(settings->sightHeightUnitStr(), QString("in"));
    widget<QComboBox>("comboBox_twistDirection")->setCurrentIndex(0);
    QCOMPARE(settings->twistDirectionStr(), QString("right"));
    widget<QComboBox>("comboBox_twistUnit")->setCurrentIndex(0);
    QCOMPARE(settings->twistUnitStr(), QString("cm"));
    widget<QComboBox>("comboBox_uphill_direction")->setCurrentIndex(1);
    QCOMPARE(settings->upHillDirectionStr(), QString("Down"));
    widget<QComboBox>("comboBox_scopeClick")->setCurrentIndex(5);
    QCOMPARE(settings->scopeClickStr(), QString("1cm@100m"));

    // Back to the defaults for the tests that follow.
    QSettings().clear();
    settings->initialize();
    QCOMPARE(settings->windVelocityUnitStr(), QString("m/s"));
    QCOMPARE(settings->scopeClickStr(), QString("1/2 moa"));
}

void TestMainWindow::enableRules()
{
    auto* autoRange = widget<QCheckBox>("checkBox_autoRange");
    autoRange->setChecked(false);
    QVERIFY(widget<QSpinBox>("spinBox_maxRange")->isEnabled());
    QVERIFY(widget<QComboBox>("comboBox_maxRangeUnit")->isEnabled());
    autoRange->setChecked(true);
    QVERIFY(!widget<QSpinBox>("spinBox_maxRange")->isEnabled());
    QVERIFY(!widget<QComboBox>("comboBox_maxRangeUnit")->isEnabled());

    auto* defaultPressure = widget<QCheckBox>("checkBox_default_pressure");
    defaultPressure->setChecked(false);
    QVERIFY(widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->isEnabled());
    widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->setValue(720);
    widget<QComboBox>("comboBox_base_pression_unit")->setCurrentIndex(1);
    defaultPressure->setChecked(true);
    QVERIFY(!widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->isEnabled());
    QVERIFY(!widget<QComboBox>("comboBox_base_pression_unit")->isEnabled());
    QCOMPARE(QSettings().value("envir/basePressure").toDouble(), 1013.0);
    QCOMPARE(QSettings().value("envir/basePressureUnit").toInt(), 0);
    QCOMPARE(widget<QComboBox>("comboBox_base_pression_unit")->currentIndex(), 0);
    defaultPressure->setChecked(false); // the field shows the pressure used
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_base_pression")->value(), settings->pressureHPa());
    defaultPressure->setChecked(true);

    auto* altitudeCorrection = widget<QCheckBox>("checkBox_altitude_correction");
    altitudeCorrection->setChecked(true);
    QVERIFY(widget<QDoubleSpinBox>("doubleSpinBox_altitude")->isEnabled());
    QVERIFY(widget<QComboBox>("comboBox_altitude_unit")->isEnabled());
    widget<QDoubleSpinBox>("doubleSpinBox_altitude")->setValue(800);
    altitudeCorrection->setChecked(false);
    QVERIFY(!widget<QDoubleSpinBox>("doubleSpinBox_altitude")->isEnabled());
    QVERIFY(!widget<QComboBox>("comboBox_altitude_unit")->isEnabled());
    QCOMPARE(QSettings().value("envir/altitude").toDouble(), 0.0);
    QCOMPARE(settings->altitude(), 0.0);
    altitudeCorrection->setChecked(true); // the field shows the altitude used
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_altitude")->value(), settings->altitude());
    altitudeCorrection->setChecked(false);
}

void TestMainWindow::customScopeClick()
{
    const QStringList customWidgets
        = {"label_manScopeClickHoriz", "doubleSpinBox_manScopeClickHorizDev", "comboBox_manScopeClickHorizDevUnit",
            "label_manScopeClickHorizAt", "doubleSpinBox_manScopeClickHorizDist", "comboBox_manScopeClickHorizDistUnit",
            "label_manScopeClickVert", "doubleSpinBox_manScopeClickVertDev", "comboBox_manScopeClickVertDevUnit",
            "label_manScopeClickVertAt", "doubleSpinBox_manScopeClickVertDist", "comboBox_manScopeClickVertDistUnit"};
    auto* scopeClick = widget<QComboBox>("comboBox_scopeClick");

    scopeClick->setCurrentIndex(6);
    QCOMPARE(settings->scopeClick(), 6);
    for (const QString& name : customWidgets)
        QVERIFY2(widget<QWidget>(name)->isEnabled(), qPrintable(name));

    scopeClick->setCurrentIndex(2);
    for (const QString& name : customWidgets)
        QVERIFY2(!widget<QWidget>(name)->isEnabled(), qPrintable(name));
    scopeClick->setCurrentIndex(1);
}

void TestMainWindow::moaAndMilsExcludeEachOther()
{
    QSignalSpy recompute(window.get(), &MainWindow::recomputeRequested);
    auto* moa = widget<QAction>("actionMOA");
    auto* mils = widget<QAction>("actionmils");

    moa->trigger();
    QCOMPARE(settings->useAngleDisplay(), 1);
    QVERIFY(moa->isChecked() && !mils->isChecked());

    mils->trigger();
    QCOMPARE(settings->useAngleDisplay(), 2);
    QVERIFY(!moa->isChecked() && mils->isChecked());
    QCOMPARE(QSettings().value("global/useAngleDisplay").toInt(), 2);

    mils->trigger();
    QCOMPARE(settings->useAngleDisplay(), 0);
    QVERIFY(!moa->isChecked() && !mils->isChecked());
    QCOMPARE(recompute.count(), 3);
}

void TestMainWindow::unitSystemSwitch()
{
    QSignalSpy recompute(window.get(), &MainWindow::recomputeRequested);
    auto* cardStep = widget<QSpinBox>("spinBox_cardStep");

    widget<QAction>("actionUS")->trigger();
    QCOMPARE(settings->unitSystem(), 1);
    QCOMPARE(QSettings().value("global/unitSystem").toInt(), 1);
    QVERIFY(!widget<QAction>("actionMetric")->isChecked());
    QCOMPARE(cardStep->suffix(), QString(" yd"));
    QCOMPARE(recompute.count(), 1);

    widget<QAction>("actionUS")->trigger(); // already chosen: no change, no computation
    QCOMPARE(recompute.count(), 1);

    widget<QAction>("actionMetric")->trigger();
    QCOMPARE(settings->unitSystem(), 0);
    QCOMPARE(cardStep->suffix(), QString(" m"));
    QCOMPARE(recompute.count(), 2);

    // While the store initializes nothing is computed.
    QSettings().setValue("global/unitSystem", 1);
    settings->initialize();
    QCOMPARE(cardStep->suffix(), QString(" yd"));
    QCOMPARE(recompute.count(), 2);
    QSettings().setValue("global/unitSystem", 0);
    settings->initialize();
    QCOMPARE(recompute.count(), 2);
}

void TestMainWindow::killZoneLabels()
{
    settings->setKillZone(12.5);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("12.5"));
    settings->setKillZone(1234567.0);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("1.23457e+06"));

    settings->setKillZoneUnitStr("in");
    settings->setKillZoneUnit(1);
    QCOMPARE(widget<QLabel>("label_kill_zone_unit")->text(), QString("in"));

    settings->setKillZone(30);
    settings->setKillZoneUnitStr("cm");
    settings->setKillZoneUnit(0);
}

void TestMainWindow::windSockTurns()
{
    auto* rose = widget<QLabel>("label_windRose");
    auto* sock = rose->findChild<QLabel*>();
    QVERIFY(sock);
    const auto shown = [sock] { return sock->pixmap(Qt::ReturnByValue).toImage(); };

    settings->setWindAngle(0);
    const QImage upright = shown();
    QVERIFY(!upright.isNull());

    settings->setWindAngle(90);
    QCOMPARE(widget<QSpinBox>("spinBox_WindAngle")->value(), 90);
    const QImage quarter = shown();
    const QImage expected = QPixmap(":/images/windrose/sock.png")
                                .scaled(rose->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .transformed(QTransform().rotate(-90), Qt::FastTransformation)
                                .toImage();
    QCOMPARE(quarter, expected);
    QVERIFY(quarter != upright);

    settings->setWindAngle(180);
    const QImage south = shown();
    settings->setWindAngle(-180);
    QCOMPARE(shown(), south);
    settings->setWindAngle(0);
}

void TestMainWindow::sameLanguageAsksNothing()
{
    settings->setLanguage("en");
    questions = 0;
    widget<QAction>("actionEnglish")->trigger();
    QCOMPARE(questions, 0);
    QCOMPARE(settings->language(), QString("en"));
    QVERIFY(widget<QAction>("actionEnglish")->isChecked());
}

void TestMainWindow::otherLanguageAnsweredNo()
{
    questions = 0;
    restarts = 0;
    answer = false;
    widget<QAction>("actionFrancais")->trigger();
    QCoreApplication::processEvents();

    QCOMPARE(questions, 1);
    QCOMPARE(restarts, 0);
    QCOMPARE(settings->language(), QString("fr"));
    QCOMPARE(QSettings().value("global/language").toString(), QString("fr"));
    QVERIFY(widget<QAction>("actionFrancais")->isChecked());
    // The French translation is loaded, but the window keeps its texts until the next start.
    QVERIFY(QCoreApplication::translate("MainWindow", "Compute !") != QString("Compute !"));
    QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Compute !"));
    QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(0), QString("Settings"));
}

void TestMainWindow::otherLanguageAnsweredYesRestarts()
{
    questions = 0;
    restarts = 0;
    answer = true;
    widget<QAction>("actionItaliano")->trigger();
    QCOMPARE(questions, 1);
    QCOMPARE(restarts, 1);
    QCOMPARE(settings->language(), QString("it"));
    answer = false;
}

void TestMainWindow::userManualFallsBackToEnglish()
{
    QTemporaryDir workingDir;
    QVERIFY(QDir(workingDir.path()).mkpath("doc"));
    QFile english(workingDir.path() + "/doc/vanto_UserManual_en.pdf");
    QVERIFY(english.open(QIODevice::WriteOnly));
    english.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workingDir.path());

    settings->setLanguage("xx");
    opened.clear();
    warnings.clear();
    openResult = true;
    widget<QAction>("actionHelp")->trigger();
    QDir::setCurrent(previous);

    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first().isLocalFile());
    QVERIFY2(
        opened.first().toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf"), qPrintable(opened.first().toString()));
    QVERIFY(warnings.isEmpty());
    openResult = false;
}

void TestMainWindow::userManualWarnsWhenNothingOpens()
{
    QTemporaryDir workingDir;
    QVERIFY(QDir(workingDir.path()).mkpath("doc"));
    for (const char* name : {"vanto_UserManual_xx.pdf", "vanto_UserManual_en.pdf"}) {
        QFile manual(workingDir.path() + "/doc/" + name);
        QVERIFY(manual.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workingDir.path());

    settings->setLanguage("xx");
    opened.clear();
    warnings.clear();
    openResult = false; // no reader: every attempt fails
    window->LaunchUserManual();
    QDir::setCurrent(previous);

    QVERIFY(opened.size() >= 2);
    QVERIFY(opened.first().toLocalFile().endsWith("/doc/vanto_UserManual_xx.pdf"));
    QVERIFY(opened.last().toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf"));
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first().first, QString("Warning"));
    QCOMPARE(warnings.first().second,
        QString("No reader found for pdf format. Please install a pdf reader to display user manual"));
}

void TestMainWindow::computeFillsGraphPanelsAndCards()
{
    auto* tabs = widget<QTabWidget>("tabWidget_results");
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(1), QString("Load 1"));
    QCOMPARE(tabs->tabText(4), QString("Load 4"));
    QVERIFY(!tabs->tabIcon(2).isNull());

    QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
    auto* graph = window->findChild<GraphContainer*>();
    QVERIFY(graph);
    QCOMPARE(graph->plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
    QVERIFY(graph->curve(0).dataSize() > 100);

    QList<RangeCard*> cards;
    for (int tab = 1; tab <= 4; ++tab)
        cards << qobject_cast<RangeCard*>(tabs->widget(tab));
    QVERIFY(!cards.contains(nullptr));
    QVERIFY(cards[0]->isEnabled());
    QVERIFY(cards[0]->findChild<QTableWidget*>()->rowCount() > 5);
    QVERIFY(!cards[1]->isEnabled());

    QList<InfoPanel*> panels = window->findChildren<InfoPanel*>();
    QCOMPARE(panels.size(), 4);
    std::sort(panels.begin(), panels.end(), [](InfoPanel* a, InfoPanel* b) { return a->y() < b->y(); });
    QVERIFY(panels[0]->findChild<QLabel*>("label_DTMvalue")->text() != QString("0.0 m"));
    QCOMPARE(panels[1]->findChild<QLabel*>("label_DTMvalue")->text(), QString("0.0 m"));

    // A plot button computes again and changes the graph's quantity.
    QTest::mouseClick(widget<QPushButton>("pushButton_graphSelect_Velocity"), Qt::LeftButton);
    QCOMPARE(graph->plotWidget()->axisTitle(QwtPlot::yLeft).text(), QString("Velocity (m/s)"));
}

// Run by CTest a second time with an Italian system locale and a store of its own.
void TestMainWindow::firstStartFollowsSystemLocale()
{
    if (!QLocale::system().name().startsWith("it"))
        QSKIP("needs the system locale it_IT (a separate CTest run)");

    QCOMPARE(settings->language(), QString());
    QVERIFY(!QSettings().contains("global/language"));
    QVERIFY(widget<QAction>("actionItaliano")->isChecked());
    QVERIFY(QCoreApplication::translate("MainWindow", "Compute !") != QString("Compute !"));

    // The manual of an unchosen language has an empty language part, then English follows.
    QTemporaryDir workingDir;
    QVERIFY(QDir(workingDir.path()).mkpath("doc"));
    for (const char* name : {"vanto_UserManual_.pdf", "vanto_UserManual_en.pdf"}) {
        QFile manual(workingDir.path() + "/doc/" + name);
        QVERIFY(manual.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workingDir.path());
    opened.clear();
    openResult = false;
    window->LaunchUserManual();
    QDir::setCurrent(previous);
    QVERIFY(opened.size() >= 2);
    QVERIFY(opened.first().toLocalFile().endsWith("/doc/vanto_UserManual_.pdf"));
    QVERIFY(opened.last().toLocalFile().endsWith("/doc/vanto_UserManual_en.pdf"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
