// The assembled window with its loads and results, on a store of its own: the first start, both
// directions of the settings wiring, the enable rules, the load editor tab, every text in every
// language, the graph, panels, units and angle display, the master selector, load titles, a
// restart on the same store, awkward and hostile files, results that are out of date, language
// and user manual. One window per process, as in the program: the test functions run in order.
#include "app/mainwindow.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/masterselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "results/graphcontainer.h"
#include "results/infopanel.h"
#include "results/rangecard.h"
#include "results/resultsstate.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "tools/truingdialog.h"
#include "windowtesting.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>
#include <qwt_plot.h>

#include <memory>

namespace {

// Set in the environment of the copy of this test that plays the restarted program.
const char restartedVariable[] = "VANTO_TEST_RESTARTED";
// When set, textsFitTheirWidgets leaves pictures of what it checks in that folder, one
// subfolder per language: scripts/screenshots.sh makes the manual's screenshots so.
const char screenshotsVariable[] = "VANTO_SCREENSHOTS";

// A widget (of the third load's page for a load's key), its key in the store, a value other than
// the default and, for a value that only survives a re-read when a check box is on ("!" when
// off), that check box's key.
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
    "comboBox_temp_unit envir/temperatureUnit 1", "spinBox_V0 shoot/2/muzzleVelocity 910",
    "comboBox_unitV0 shoot/2/muzzleVelocityUnit 1", "spinBox_weight shoot/2/weight 9.7",
    "comboBox_unitWeight shoot/2/weightUnit 1", "spinBox_caliber shoot/2/caliber 6.5",
    "comboBox_unitCaliber shoot/2/caliberUnit 1", "spinBox_length shoot/2/length 33.5",
    "comboBox_unitLength shoot/2/lengthUnit 1", "spinBox_BC shoot/2/BCmultiBC 0.31", "comboBox_Model shoot/2/gModel 4",
    "spinBox_ZR shoot/2/zeroRange 300", "comboBox_unitZR shoot/2/zeroRangeUnit 1",
    "checkBox_activated shoot/2/active true"};

// The texts under root, shown now, that do not get the room they need: labels (plain and rich),
// push buttons, check boxes, combo box items and header sections, one line each.
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    const auto check = [&](const QWidget* widget, const QString& text, int needed, int room) {
        if (widget->isVisible() && needed > room)
            cut << QString("%1 \"%2\" needs %3 px, has %4").arg(widget->objectName(), text).arg(needed).arg(room);
    };
    const auto fit = [&](const QWidget* widget, const QString& text, int room, int extra = 0) {
        int width = 0;
        for (const QString& line : QString(text).remove('&').split('\n'))
            width = std::max(width, widget->fontMetrics().horizontalAdvance(line));
        check(widget, text, width + extra, room);
    };
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect().adjusted(0, 0, -2 * label->margin(), 0);
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())) {
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            const QString text = document.toPlainText().left(40);
            check(label, text, int(document.idealWidth()), room.width());
            check(label, text, int(document.size().height()), room.height());
        } else if (!label->wordWrap()) {
            fit(label, label->text(), room.width());
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const bool box = button->inherits("QCheckBox");
        QStyleOptionButton option;
        option.initFrom(button);
        const auto contents = box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        if (box || button->inherits("QPushButton"))
            fit(button, button->text(), button->style()->subElementRect(contents, &option, button).width(),
                button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int item = 0; item < combo->count(); ++item)
            fit(combo, combo->itemText(item), field.width());
    }
    for (QScrollArea* area : root->findChildren<QScrollArea*>())
        check(area, "page", area->horizontalScrollBar()->maximum(), 0);
    for (QTableView* table : root->findChildren<QTableView*>())
        check(table, "all columns", table->horizontalHeader()->length(), table->viewport()->width());
    for (QHeaderView* header : root->findChildren<QHeaderView*>())
        for (int section = 0; section < header->count(); ++section)
            if (header->orientation() == Qt::Horizontal && !header->isSectionHidden(section))
                fit(header, header->model()->headerData(section, Qt::Horizontal).toString(),
                    header->sectionSize(section),
                    2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header));
    return cut;
}

// Runs program with one more variable in its environment: its exit code, -1 when it did not end.
int run(QProcess& process, const QString& program, const QStringList& arguments, const char* variable,
    const QString& value = "1")
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(variable, value);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return ended ? process.exitCode() : -1;
}

// Runs one test function of this program in a new process on the same store, as a restart.
int runRestartedCopy(const QString& function)
{
    QProcess restart;
    restart.setProcessChannelMode(QProcess::ForwardedChannels);
    return run(restart, QCoreApplication::applicationFilePath(), {function}, restartedVariable);
}

template <typename T> T* topLevel()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(top))
            return found;
    return nullptr;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // First, on the store of a first start: the settings, the load editor, the texts.
    void firstStartShowsDefaults();
    void wiring_data();
    void wiring();
    void listsAndEnableRules();
    void displays();
    void editsOfTheLoadPageAndADatabaseLoad();
    void textsFitTheirWidgets_data();
    void textsFitTheirWidgets();
    void graphPanelsUnitsAndAngles();
    void masterSelectorSharesTheZeroRange();
    void restartOnTheSameStore();
    void hostileParameterFileShowsNoNonFiniteNumbers();
    void awkwardFile();
    void staleResultsStabilityAndTruingMenu();
    void languageAndManual();
    void firstStartFollowsSystemLocale();

private:
    template <typename T = QWidget> T* widget(const QString& name, const QObject* root = nullptr) const
    {
        return WindowTesting::widget<T>(root ? root : window.get(), name);
    }
    QList<ParamTab*> paramTabs() const { return window->findChildren<ParamTab*>(); }
    RangeCard* card(int load) const
    {
        return qobject_cast<RangeCard*>(widget<QTabWidget>("tabWidget_results")->widget(load + 1));
    }
    QString panelText(int index, const char* label) const;
    QString writeFile(const QString& name, const QByteArray& contents) const;
    void compute() { QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton); }
    void launchManual(const QStringList& files);
    void restoreFirstStart();

    bool restarted = false;
    QTemporaryDir programDir;
    ShootContainer* container = nullptr;
    Settings* settings = nullptr;
    QVariantMap firstStore; // the store of the first start, to begin again from it
    QList<QPair<QString, QString>> warnings;
    QList<QUrl> opened;
    bool openResult = false, answer = false;
    int questions = 0, restarts = 0;
    std::unique_ptr<MainWindow> window; // last, so destroyed first: its seams reach the members above
};

void TestWindow::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    restarted = qEnvironmentVariableIsSet(restartedVariable);
    QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))
        && (restarted || QSettings().allKeys().isEmpty()));

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
    container = ShootContainer::instance();
    settings = Settings::instance();
}

// The store and loads of a first start, each load computing on its own.
void TestWindow::restoreFirstStart()
{
    if (firstStore.isEmpty()) // a test function run alone, on the first start
        return;
    QSettings store;
    store.clear();
    for (auto entry = firstStore.cbegin(); entry != firstStore.cend(); ++entry)
        store.setValue(entry.key(), entry.value());
    settings->initialize();
    ParameterFile::restoreLoads();
    container->setMultiShootBehaviorIndep();
    container->SetMasterShoot(0);
}

// Runs the user manual action in a working folder whose doc/ holds those (empty) files.
void TestWindow::launchManual(const QStringList& files)
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

void TestWindow::firstStartShowsDefaults()
{
    QCOMPARE(window->windowTitle(), QString("Vanto v2.1.1"));
    QVERIFY(window->statusBar()->currentMessage().startsWith("version 2.1.1 - build "));
    QCOMPARE(QSettings().allKeys().filter(QRegularExpression("^(global|envir|rifle)/")).size(), 39);
    // The four loads are restored with their defaults; the first one takes part.
    QCOMPARE(QSettings().value("shoot/0/active").toString(), QString("true"));
    QCOMPARE(QSettings().value("shoot/3/title").toString(), QString("Load 4"));
    for (const char* off : {"spinBox_maxRange", "doubleSpinBox_manScopeClickHorizDev", "doubleSpinBox_base_pression",
             "doubleSpinBox_altitude", "actionGerman", "actionEspanol", "actionRussian"})
        QVERIFY2(!widget<QObject>(off)->property("enabled").toBool(), off);
    QCOMPARE(widget<QLabel>("label_kill_zone")->text(), QString("30"));
    QVERIFY(widget<QAction>("actionMetric")->isChecked() && !widget<QAction>("actionMOA")->isChecked());
    for (const QString& key : QSettings().allKeys())
        firstStore.insert(key, QSettings().value(key));
}

void TestWindow::wiring_data()
{
    QTest::addColumn<QStringList>("wire");
    for (const char* wire : wires)
        QTest::newRow(wire) << QString(wire).split(' ');
}

// Widget to store, then store to widget (as a parameter file load pushes values, settings and
// loads); it starts on the store of the first start.
void TestWindow::wiring()
{
    restoreFirstStart();
    QFETCH(QStringList, wire);
    const QString key = wire[1], value = wire[2], condition = wire.value(3).remove('!');
    if (!condition.isEmpty())
        QSettings().setValue(condition, !wire[3].startsWith('!'));
    QWidget* control = widget(wire[0], key.startsWith("shoot/") ? paramTabs().at(2) : nullptr);
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
    ParameterFile::restoreLoads();
    QCOMPARE(shown(), value);
}

void TestWindow::listsAndEnableRules()
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
    restoreFirstStart();

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

void TestWindow::displays()
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

void TestWindow::editsOfTheLoadPageAndADatabaseLoad()
{
    restoreFirstStart();
    ParamTab tab(0, nullptr);
    Shoot* load = container->GetShoot(0);
    for (const char* list : {"comboBox_unitV0", "comboBox_unitWeight", "comboBox_unitZR"})
        widget<QComboBox>(list, &tab)->setCurrentIndex(1);
    widget<QComboBox>("comboBox_Model", &tab)->setCurrentIndex(4);
    QCOMPARE(QStringList(
                 {load->muzzleVelocityUnitStr(), load->weightUnitStr(), load->GModelStr(), load->zeroRangeUnitStr()}),
        QStringList({"f/s", "g", "G7", "yd"}));

    // What the user types is not sent back to the field.
    QSignalSpy echoes(load, &Shoot::weightChanged);
    widget<QDoubleSpinBox>("spinBox_weight", &tab)->setValue(123.4);
    QCOMPARE(load->weight(), 123.4);
    QCOMPARE(echoes.count(), 0);
    // The far zero that "Same Angle" gives a load is shown as found, and stays.
    load->setZeroRange(1148);
    QCOMPARE(widget<QSpinBox>("spinBox_ZR", &tab)->value(), 1148);
    QCOMPARE(load->zeroRange(), 1148);
    for (const bool on : {false, true}) {
        on ? tab.enableZeroRange() : tab.disableZeroRange();
        QVERIFY(widget("spinBox_ZR", &tab)->isEnabled() == on && widget("comboBox_unitZR", &tab)->isEnabled() == on);
    }
    // The note is stored on every keystroke, and a restore shows the stored one.
    auto* note = widget<QPlainTextEdit>("plainTextEdit_note", &tab);
    note->setFocus();
    QTest::keyClicks(note, "ok");
    QCOMPARE(container->GetShoot(0)->note(), QString("ok"));
    QTest::keyClick(note, Qt::Key_Backspace);
    QCOMPARE(QSettings().value("shoot/0/note").toString(), QString("o"));
    QSettings().setValue("shoot/0/note", "match load");
    container->GetShoot(0)->restoreFromSettings();
    QCOMPARE(note->toPlainText(), QString("match load"));

    // A database load greys its bullet's fields.
    ParamTab dbTab(3, nullptr);
    load = container->GetShoot(3);
    load->setOrigin("db");
    load->setTitle("Sierra    MatchKing 168");
    const QStringList bullet = {"spinBox_BC", "spinBox_weight", "comboBox_unitWeight", "comboBox_Model",
        "spinBox_caliber", "comboBox_unitCaliber"};
    for (QWidget* widget :
        dbTab.findChildren<QWidget*>(QRegularExpression("^(spinBox|comboBox|checkBox|plainTextEdit)_")))
        QVERIFY2(widget->isEnabled() != bullet.contains(widget->objectName()), qPrintable(widget->objectName()));

    // A length the database did not give is marked until the user types one.
    auto* length = widget<QDoubleSpinBox>("spinBox_length", &dbTab);
    load->setLengthNeedsCheck(true);
    QVERIFY(widget("label_lengthCheck", &dbTab)->isVisibleTo(&dbTab) && length->toolTip().contains("length"));
    length->setValue(length->value() + 0.1);
    QCOMPARE(QSettings().value("shoot/3/lengthNeedsCheck").toBool(), false);
    QVERIFY(!widget("label_lengthCheck", &dbTab)->isVisibleTo(&dbTab) && length->toolTip().isEmpty());

    // Back to a hand-typed load: its own title, every field open.
    QSignalSpy titles(load, &Shoot::titleChanged);
    QTest::mouseClick(widget<QPushButton>("pushButton_setManual", &dbTab), Qt::LeftButton);
    QCOMPARE(load->origin(), QString("manual"));
    QCOMPARE(load->title(), QString("Load 4"));
    QCOMPARE(titles.count(), 1);
    for (const QString& name : bullet)
        QVERIFY2(widget(name, &dbTab)->isEnabled(), qPrintable(name));
}

QString TestWindow::panelText(int index, const char* label) const
{
    QList<InfoPanel*> panels = window->findChildren<InfoPanel*>();
    std::sort(panels.begin(), panels.end(), [](InfoPanel* a, InfoPanel* b) { return a->y() < b->y(); });
    return panels.value(index)->findChild<QLabel*>(label)->text();
}

QString TestWindow::writeFile(const QString& name, const QByteArray& contents) const
{
    QFile file(programDir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

void TestWindow::graphPanelsUnitsAndAngles()
{
    // One load takes part at first: its card and panel are filled, the others' are not.
    QCOMPARE(widget<QTabWidget>("tabWidget_results")->tabText(4), QString("Load 4"));
    compute();
    QVERIFY(card(0)->isEnabled() && card(0)->findChild<QTableWidget*>()->rowCount() > 5);
    QVERIFY(!card(1)->isEnabled());
    QVERIFY(panelText(0, "label_DTMvalue") != QString("0.0 m"));
    QCOMPARE(panelText(1, "label_DTMvalue"), QString("0.0 m"));

    // Every plot button computes again and draws its series; the angle display changes only the
    // drop and drift graphs.
    QwtPlot* plot = window->findChild<GraphContainer*>()->plotWidget();
    const std::tuple<const char*, const char*, int, int> buttons[]
        = {{"Velocity", "Velocity (m/s)", 4, 0}, {"Energy", "Energy (J)", 5, 0}, {"TOF", "Time of flight (s)", -1, 0},
            {"Bend", "Max Height (cm)", 6, 0}, {"Drift", "Drift (cm)", 1, 0}, {"Drop", "Drop (cm)", 3, 0},
            {"Drop", "Drop (moa)", 16, 1}, {"Velocity", "Velocity (m/s)", 4, 1}, {"Drift", "Drift (moa)", 15, 1},
            {"Drift", "Drift (mils)", 17, 2}, {"Drop", "Drop (mils)", 18, 2}};
    for (const auto& [button, title, series, angleDisplay] : buttons) {
        settings->setUseAngleDisplay(angleDisplay);
        QSignalSpy computed(container, &ShootContainer::ComputeEnd);
        QTest::mouseClick(widget<QPushButton>(QString("pushButton_graphSelect_") + button), Qt::LeftButton);
        QCOMPARE(computed.count(), 1);
        QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QString(title));
        QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
        const double drawn = window->findChild<GraphContainer*>()->curve(0).sample(10).y();
        QVERIFY(series < 0 || drawn == container->GetShoot(0)->TrajectorySeries(series).value(10));
    }
    settings->setUseAngleDisplay(0);

    QSignalSpy computed(container, &ShootContainer::ComputeEnd);
    widget<QAction>("actionUS")->trigger();
    QVERIFY(panelText(0, "label_DTMvalue").endsWith(" yd"));
    QCOMPARE(card(0)->findChild<QTableWidget*>()->horizontalHeaderItem(0)->toolTip(), QString("Range (yd)"));
    QCOMPARE(plot->axisTitle(QwtPlot::xBottom).text(), QString("Distance (yd.)"));
    widget<QAction>("actionMetric")->trigger();
    QCOMPARE(computed.count(), 2);
    QVERIFY(panelText(0, "label_DTMvalue").endsWith(" m"));
}

void TestWindow::masterSelectorSharesTheZeroRange()
{
    container->GetShoot(2)->setZeroRange(150);
    container->GetShoot(2)->setZeroRangeUnit(1);
    container->GetShoot(1)->setActive(true);
    const auto zeroRange = [this](int load) { return paramTabs().at(load)->findChild<QSpinBox*>("spinBox_ZR"); };
    auto* behaviour = widget<QComboBox>("comboBox_multi_shoot_behavior");

    // "Same Zero Range" with the third load as master: the selector starts on the first load, OK
    // sets the master once and a cancel (the escape key) sets nothing. Only the master's zero
    // range stays open, and the others take it as they compute.
    behaviour->setCurrentIndex(1);
    MasterSelector* selector = topLevel<MasterSelector>();
    QSignalSpy sent(container, &ShootContainer::SendMultiShootBehavior);
    for (const bool confirm : {true, false}) {
        QVERIFY(selector && selector->isVisible());
        QCOMPARE(selector->list()->itemText(3), QString("Load 4"));
        QCOMPARE(selector->list()->currentIndex(), 0);
        selector->list()->setCurrentIndex(confirm ? 2 : 1);
        if (confirm)
            selector->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        else
            QTest::keyClick(selector, Qt::Key_Escape);
        QVERIFY(!selector->isVisible());
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first(), QList<QVariant>({"zero", 2}));
        selector->start();
    }
    selector->close();
    for (int load = 0; load < 4; ++load)
        QCOMPARE(zeroRange(load)->isEnabled(), load == 2);
    compute();
    for (int load : {0, 1})
        QVERIFY(zeroRange(load)->value() == 150 && container->GetShoot(load)->zeroRangeUnit() == 1);
    behaviour->setCurrentIndex(0);
    QVERIFY(zeroRange(0)->isEnabled() && zeroRange(1)->isEnabled() && zeroRange(3)->isEnabled());
    container->GetShoot(1)->setActive(false);
}

// The program keeps no state but the store: a second program started on it shows it all again,
// in the language chosen before (to apply at the next start), the toolkit's own buttons included.
void TestWindow::restartOnTheSameStore()
{
    if (!restarted) {
        widget<QSpinBox>("spinBox_cardStep")->setValue(25);
        widget<QComboBox>("comboBox_temp_unit")->setCurrentIndex(1);
        widget<QAction>("actionUS")->trigger();
        Shoot* load = container->GetShoot(1);
        load->setActive(true);
        load->setOrigin("db");
        load->setTitle("Restarted .223");
        load->setMuzzleVelocity(3100);
        // A database load's title names its page, not its card.
        QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(4), QString("Restarted .223"));
        QCOMPARE(widget<QTabWidget>("tabWidget_results")->tabText(2), QString("Load 2"));
        answer = false; // restart later
        widget<QAction>("actionFrancais")->trigger();
        QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Compute !")); // until the restart
        QSettings().sync();
        QCOMPARE(runRestartedCopy("restartOnTheSameStore"), 0);
        return;
    }
    QCOMPARE(widget<QSpinBox>("spinBox_cardStep")->value(), 25);
    QCOMPARE(widget<QComboBox>("comboBox_temp_unit")->currentIndex(), 1);
    QVERIFY(widget<QAction>("actionUS")->isChecked() && widget<QAction>("actionFrancais")->isChecked());
    QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(4), QString("Restarted .223"));
    QCOMPARE(container->GetShoot(1)->muzzleVelocity(), 3100);
    QVERIFY(container->GetShoot(1)->active() && container->GetShoot(0)->active());
    QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Calculer !"));
    QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(0), QString("Réglages"));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Annuler"));
}

// A parameter file edited by hand with values no widget lets through: the window computes,
// and no label, card cell, clipboard text, print or axis shows a NaN or an infinity.
void TestWindow::hostileParameterFileShowsNoNonFiniteNumbers()
{
    QVERIFY(ParameterFile::load(writeFile("hostile.vnt",
        "[global]\nkillZone=1e9\ncardStep=0\ncardDisplayClicks=true\ncardDisplayMOA=true\nautoRange=false\n"
        "maxRange=2147483647\n[envir]\nupHillAngle=180\ntemperature=-500\nwindVelocity=1e300\nwindAngle=90\n"
        "[rifle]\nscopeClick=6\nmanScopeDistH=0\nmanScopeDevV=0\ntwist=0\nsightHeight=-1e9\n[shoot]\n"
        "0\\active=true\n0\\origin=db\n0\\title=Heavy\n0\\weight=1e308\n0\\muzzleVelocity=2650\n"
        "0\\muzzleVelocityUnit=1\n0\\caliber=0\n0\\BCmultiBC=0.4\n0\\BCmultiV=0\n0\\zeroRange=-100\n"
        "1\\active=true\n1\\origin=db\n1\\title=Still\n1\\muzzleVelocity=0\n1\\BCmultiBC=0.4\n2\\active=true\n"
        "2\\origin=db\n2\\title=Draggy\n2\\muzzleVelocity=-3000\n2\\BCmultiBC=-1;nan;inf\n2\\BCmultiV=0;1e308;-5\n")));
    warnings.clear();
    const QwtPlot* plot = window->findChild<GraphContainer*>()->plotWidget();
    for (int type = 1; type <= 6; ++type) {
        container->setPlotType(type);
        compute();
        for (int axis : {QwtPlot::yLeft, QwtPlot::yRight, QwtPlot::xBottom})
            QVERIFY(std::isfinite(plot->axisScaleDiv(axis).lowerBound())
                && std::isfinite(plot->axisScaleDiv(axis).upperBound()));
    }
    QVERIFY(!warnings.isEmpty()); // the loads that cannot be integrated say so

    QStringList shown;
    for (const QLabel* label : window->findChildren<QLabel*>())
        shown << label->text();
    for (RangeCard* card : window->findChildren<RangeCard*>()) {
        auto* table = card->findChild<QTableWidget*>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                shown << table->item(row, column)->text();
        if (card->isEnabled()) {
            card->findChild<QPushButton*>("pushButton_copy")->click();
            shown << QGuiApplication::clipboard()->text() << card->composeDocument(table)->toPlainText();
        }
    }
    QCOMPARE(shown.filter(QRegularExpression("\\b-?(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption)),
        QStringList());
}

// Everything a file can hold that a box cannot show as it is: a fraction in whole numbers,
// more decimals than a box takes, several bands of a hand-typed load, values beyond the boxes'
// ranges, a wind from 270 degrees and keys of another machine. Read from the defaults, as
// vanto-cli starts, whatever earlier tests left.
void TestWindow::awkwardFile()
{
    QSettings().clear();
    ParameterFile::restoreLoads();
    const QString path = writeFile("awkward.vnt",
        "[global]\nmaxRange=650.5\nautoRange=false\ncardStep=25.0\ncardDisplayMOA=true\ncardDisplayMils=true\n"
        "cardDisplayClicks=true\nincludeSpinDrift=true\nlanguage=it\nsaveDir=/elsewhere\n[envir]\nwindAngle=270\n"
        "windVelocity=4\n[shoot]\n0\\active=true\n0\\muzzleVelocity=850.0\n0\\weight=150.25\n0\\caliber=0.3085\n"
        "0\\BCmultiBC=\"0.5;0.48;0.455\"\n0\\BCmultiV=\"0;2200;1800\"\n0\\zeroRange=1200\n0\\zeroRangeUnit=1.0\n"
        "1\\active=true\n1\\origin=db\n1\\title=Slug\n1\\muzzleVelocity=140\n1\\weight=1000\n1\\BCmultiBC=0.2345\n"
        "1\\zeroRange=50.5\n1\\lengthNeedsCheck=true\n");
    QProcess cli;
    QCOMPARE(run(cli, VANTO_CLI, {path}, "XDG_CONFIG_HOME", programDir.filePath("cli-config")), 0);
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');

    // Loaded (twice, as a user may), shown in the pages and saved again, the file gives back
    // each key as it was, every decimal and every band, or, beyond a box's range, as the load
    // brought it into the range once. Each row: the key, its value saved again and, for a load,
    // a box of its page and its text.
    const QString copy = programDir.filePath("awkward-again.vnt");
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(ParameterFile::load(path) && ParameterFile::save(copy));
        for (const char* row :
            {"shoot/0/muzzleVelocity 850 spinBox_V0 850", "shoot/0/weight 150.25 spinBox_weight 150.25",
                "shoot/0/caliber 0.3085 spinBox_caliber 0.3085", "shoot/0/BCmultiBC 0.5;0.48;0.455 spinBox_BC 0.5000",
                "shoot/0/zeroRange 1200 spinBox_ZR 1200", "shoot/0/zeroRangeUnit 1",
                "shoot/1/muzzleVelocity 140 spinBox_V0 140", "shoot/1/BCmultiBC 0.2345 spinBox_BC 0.2345",
                "shoot/1/zeroRange 50 spinBox_ZR 50", "shoot/1/lengthNeedsCheck true",
                "shoot/1/weight 900 spinBox_weight 900.0", "global/maxRange 650", "envir/windAngle -90"}) {
            const QStringList cells = QString(row).split(' ');
            QCOMPARE(QSettings(copy, QSettings::IniFormat).value(cells[0]).toString(), cells[1]);
            ParamTab* page = paramTabs().at(cells[0].section('/', 1, 1).toInt());
            QCOMPARE(cells.size() > 2 ? widget<QAbstractSpinBox>(cells[2], page)->text() : "", cells.value(3));
        }
    }

    // The window's range cards of the file are vanto-cli's, cell by cell.
    compute();
    for (int load = 0; load < 2; ++load) {
        const QTableWidget* table = card(load)->findChild<QTableWidget*>("tableWidget");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << table->item(row, column)->text().replace(QRegularExpression("^-$"), ""); // not computable
            rows << cells.join(',');
        }
        const int header = lines.indexOf(
            QRegularExpression("^Range.*"), lines.indexOf(QRegularExpression(QString("^# load %1:.*").arg(load))));
        QVERIFY(table->rowCount() > 10);
        QCOMPARE(rows, lines.mid(header + 1, rows.size()));
        QVERIFY(!lines.value(header + 1 + rows.size()).contains(','));
    }
}

void TestWindow::staleResultsStabilityAndTruingMenu()
{
    const auto outOfDate = [this] { return widget<QPushButton>("pushButton_compute")->property("outOfDate").toBool(); };
    const QwtPlot* plot = window->findChild<GraphContainer*>()->plotWidget();
    auto* twist = widget<QDoubleSpinBox>("doubleSpinBox_twist");
    compute();
    QVERIFY(!outOfDate() && plot->title().text().isEmpty());
    bool isNumber = false;
    QVERIFY(panelText(0, "label_SGvalue").section(' ', 0, 0).toDouble(&isNumber) > 0.0 && isNumber);

    // A slow twist, typed and not computed: the results say they are out of date, and so does
    // an export of them (in the language an earlier test left).
    twist->setValue(40);
    const QString text = ResultsState::outOfDateText();
    QVERIFY(outOfDate());
    QCOMPARE(plot->title().text(), text);
    QVERIFY(card(0)->composeDocument(card(0)->findChild<QTableWidget*>())->toPlainText().startsWith(text));
    QVERIFY(card(0)->composeDopeCard()->toPlainText().contains(text));
    card(0)->findChild<QPushButton*>("pushButton_copy")->click();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(text + '\n'));
    compute();
    QVERIFY(!outOfDate() && plot->title().text().isEmpty());
    QVERIFY(panelText(0, "label_SGvalue").endsWith(" " + QCoreApplication::translate("InfoPanel", "(not stable)")));
    // A database bullet whose length was never entered: the factor says so until it is.
    const QString notChecked = QCoreApplication::translate("InfoPanel", "(length not checked)");
    for (const bool needsCheck : {true, false}) {
        container->GetShoot(0)->setLengthNeedsCheck(needsCheck);
        compute();
        QCOMPARE(panelText(0, "label_SGvalue").endsWith("\n" + notChecked), needsCheck);
    }

    widget<QAction>("actionTruing")->trigger();
    QVERIFY(topLevel<TruingDialog>() && topLevel<TruingDialog>()->isVisible());
    topLevel<TruingDialog>()->close();
}

void TestWindow::textsFitTheirWidgets_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "fr", "it"})
        QTest::newRow(language) << QString(language);
}

// Every window and dialog in every language, with a computed 12-column card: no label, button,
// list item or column header is cut, the whole card fits the 1280-pixel window and the window
// itself fits a 1024x768 screen.
void TestWindow::textsFitTheirWidgets()
{
    QFETCH(QString, language);
    if (!restarted) {
        restoreFirstStart();
        const QString before = settings->language();
        settings->setLanguage(language);
        QSettings().sync();
        QCOMPARE(runRestartedCopy("textsFitTheirWidgets:" + language), 0);
        settings->setLanguage(before);
        return;
    }
    if (settings->language() != language)
        QSKIP("the restarted copy checks the language it started in");

    settings->setCardDisplayMOA(true);
    settings->setCardDisplayMils(true);
    settings->setCardDisplayClicks(true);
    compute();
    QStringList cut;
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); };
    const QString shots = qEnvironmentVariable(screenshotsVariable);
    const QString pictures = shots.isEmpty() ? QString() : shots + '/' + language + '/';
    const auto picture = [&](QWidget* shown, const QString& name) {
        if (!pictures.isEmpty() && QDir().mkpath(pictures))
            shown->grab().save(pictures + name + ".png");
    };
    auto* toolBox = widget<QToolBox>("toolBox_params");
    for (int page = 0; page < toolBox->count(); ++page) {
        toolBox->setCurrentIndex(page);
        settle();
        cut << cutTexts(toolBox);
        if (page == 3)
            picture(window.get(), "load-page");
    }
    toolBox->setCurrentIndex(2);
    auto* results = widget<QTabWidget>("tabWidget_results");
    for (int tab = 0; tab < results->count(); ++tab) {
        results->setCurrentIndex(tab);
        settle();
        cut << cutTexts(results);
        if (tab < 2)
            picture(window.get(), tab == 0 ? "graph" : "range-card");
    }
    QCOMPARE(card(0)->findChild<QTableWidget*>()->columnCount(), 12);
    if (!pictures.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pictures + "printed-card.pdf");
        card(0)->PrintTable(card(0)->findChild<QTableWidget*>(), &printer);
    }
    cut << cutTexts(window.get());
    // The window, decorations and a panel fit a 1024x768 screen.
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    if (least.width() > 1024 || least.height() > 740)
        cut << QString("main window needs %1x%2 px").arg(least.width()).arg(least.height());

    widget<QAction>("actionAbout")->trigger();
    widget<QAction>("actionBC_from_velocity_measurements")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == window.get()
            || (!top->inherits("QDialog") && !top->inherits("DBselector") && !top->inherits("CustoDBManager")))
            continue;
        top->show();
        settle();
        if (auto* calculate = top->findChild<QPushButton*>("pushButton_calculate"))
            QTest::mouseClick(calculate, Qt::LeftButton);
        if (auto* bullets = top->findChild<QAbstractItemView*>("tableView_bullets"))
            bullets->setCurrentIndex(bullets->model()->index(0, 0));
        settle();
        for (const QString& text : cutTexts(top))
            cut << top->metaObject()->className() + QString(": ") + text;
        picture(top, QString(top->metaObject()->className()).toLower());
        top->close();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

void TestWindow::languageAndManual()
{
    questions = restarts = 0;
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
void TestWindow::firstStartFollowsSystemLocale()
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

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
