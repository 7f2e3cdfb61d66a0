// The assembled window with its loads and results, on a store of its own: computing, plot
// buttons, units and angle display, the multi-load behaviours with the master selector, load
// titles, a restart on the same store, and an unreachable zero range among other loads.
#include "app/mainwindow.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/dbselector.h"
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

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleOption>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBox>
#include <QtTest>
#include <qwt_plot.h>

#include <memory>

namespace {

// Set in the environment of the copy of this test that plays the restarted program.
const char restartedVariable[] = "VANTO_TEST_RESTARTED";
// When set, textsFitTheirWidgets leaves pictures of what it checks in that folder, one
// subfolder per language: scripts/screenshots.sh makes the manual's screenshots so.
const char screenshotsVariable[] = "VANTO_SCREENSHOTS";

// The texts under root, shown now, that do not get the room they need: labels (plain and rich),
// push buttons, check boxes, combo box items and header sections, one line each.
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    const auto check = [&](const QWidget* widget, const QString& text, int needed, int room) {
        if (widget->isVisible() && needed > room)
            cut << QString("%1 \"%2\" needs %3 px, has %4").arg(widget->objectName(), text).arg(needed).arg(room);
    };
    const auto widest = [](const QFontMetrics& metrics, const QString& text) {
        int width = 0;
        for (const QString& line : QString(text).remove('&').split('\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())) {
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            check(label, document.toPlainText().left(40), int(document.idealWidth()), room);
            check(
                label, document.toPlainText().left(40), int(document.size().height()), label->contentsRect().height());
        } else if (!label->wordWrap()) {
            check(label, label->text(), widest(label->fontMetrics(), label->text()), room);
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const bool box = button->inherits("QCheckBox");
        QStyleOptionButton option;
        option.initFrom(button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const auto contents = box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        if (box || button->inherits("QPushButton"))
            check(button, button->text(), widest(button->fontMetrics(), button->text()) + icon,
                button->style()->subElementRect(contents, &option, button).width());
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
        for (int item = 0; item < combo->count(); ++item)
            check(combo, combo->itemText(item), widest(combo->fontMetrics(), combo->itemText(item)), room);
    }
    for (QScrollArea* area : root->findChildren<QScrollArea*>())
        check(area, "page", area->horizontalScrollBar()->maximum(), 0);
    for (QTableView* table : root->findChildren<QTableView*>())
        check(table, "all columns", table->horizontalHeader()->length(), table->viewport()->width());
    for (QHeaderView* header : root->findChildren<QHeaderView*>()) {
        if (header->orientation() != Qt::Horizontal)
            continue;
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            if (!header->isSectionHidden(section))
                check(header, text, widest(header->fontMetrics(), text) + margins, header->sectionSize(section));
        }
    }
    return cut;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // First, on the store of a first start: the loads and units a new user sees.
    void textsFitTheirWidgets_data();
    void textsFitTheirWidgets();
    void restartedProgramShowsTheSameState();
    void plotButtonsRecomputeAndRetitle();
    void unitSwitchRecomputes();
    void moaChangesOnlyDropAndDrift();
    void sameZeroRangeWithMasterTwo();
    void cancelledMasterSelectorChangesNoTab();
    void renamingALoadRenamesItsPageOnly();
    void unreachableZeroRangeWarnsOnce();
    void restartOnTheSameStore();
    void restartedProgramSpeaksFrench();
    void frenchAfterARestart();
    void hostileParameterFileShowsNoNonFiniteNumbers();
    void awkwardFileComesBackAsRead_data();
    void awkwardFileComesBackAsRead();
    void awkwardFileCardEqualsTheCli();
    void staleResultsStabilityAndTruingMenu();

private:
    QString writeAwkwardFile();
    template <typename T> T* widget(const QString& name) const { return WindowTesting::widget<T>(window.get(), name); }
    MasterSelector* masterSelector() const;
    QList<ParamTab*> paramTabs() const;
    QString panelText(int index, const char* label) const;
    // Runs one test function of this program in a new process on the same store, as a restart.
    static int runRestartedCopy(const char* function);

    bool restarted = false;
    QTemporaryDir programDir;
    std::unique_ptr<MainWindow> window;
    ShootContainer* container = nullptr;
    Settings* settings = nullptr;
    QStringList warnings;
};

void TestWindow::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    restarted = qEnvironmentVariableIsSet(restartedVariable);
    if (!restarted)
        QVERIFY(QSettings().allKeys().isEmpty());

    Messages::setWarningSink([this](const QString&, const QString& text) { warnings << text; });
    QVERIFY(WindowTesting::copyShippedDatabases(programDir.path()));
    window = std::make_unique<MainWindow>(programDir.path());
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    container = ShootContainer::instance();
    settings = Settings::instance();
}

void TestWindow::cleanupTestCase()
{
    window.reset();
    Messages::setWarningSink({});
}

MasterSelector* TestWindow::masterSelector() const
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* selector = qobject_cast<MasterSelector*>(top))
            return selector;
    return nullptr;
}

QList<ParamTab*> TestWindow::paramTabs() const
{
    QList<ParamTab*> tabs;
    auto* toolBox = widget<QToolBox>("toolBox_params");
    for (int page = 3; page < toolBox->count(); ++page)
        tabs << qobject_cast<ParamTab*>(toolBox->widget(page));
    return tabs;
}

int TestWindow::runRestartedCopy(const char* function)
{
    QProcess restart;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(restartedVariable, "1");
    restart.setProcessEnvironment(environment);
    restart.setProcessChannelMode(QProcess::ForwardedChannels);
    restart.start(QCoreApplication::applicationFilePath(), {function});
    if (!restart.waitForFinished(120000))
        return -1;
    return restart.exitStatus() == QProcess::NormalExit ? restart.exitCode() : -1;
}

QString TestWindow::panelText(int index, const char* label) const
{
    QList<InfoPanel*> panels = window->findChildren<InfoPanel*>();
    std::sort(panels.begin(), panels.end(), [](InfoPanel* a, InfoPanel* b) { return a->y() < b->y(); });
    return panels.value(index)->findChild<QLabel*>(label)->text();
}

// The second half of restartOnTheSameStore, run in a fresh process on the store the first
// half left: everything comes back as it was.
void TestWindow::restartedProgramShowsTheSameState()
{
    if (!restarted)
        QSKIP("runs in the restarted copy of this test");
    QCOMPARE(widget<QSpinBox>("spinBox_cardStep")->value(), 25);
    QCOMPARE(widget<QComboBox>("comboBox_temp_unit")->currentIndex(), 1);
    QVERIFY(widget<QAction>("actionUS")->isChecked());
    auto* toolBox = widget<QToolBox>("toolBox_params");
    QCOMPARE(toolBox->itemText(4), QString("Restarted .223"));
    QCOMPARE(container->GetShoot(1)->muzzleVelocity(), 3100);
    QVERIFY(container->GetShoot(1)->active());
    QVERIFY(container->GetShoot(0)->active());
}

void TestWindow::plotButtonsRecomputeAndRetitle()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    const std::pair<const char*, const char*> buttons[] = {
        {"pushButton_graphSelect_Velocity", "Velocity (m/s)"},
        {"pushButton_graphSelect_Energy", "Energy (J)"},
        {"pushButton_graphSelect_Drift", "Drift (cm)"},
        {"pushButton_graphSelect_TOF", "Time of flight (s)"},
        {"pushButton_graphSelect_Bend", "Max Height (cm)"},
        {"pushButton_graphSelect_Drop", "Drop (cm)"},
    };
    auto* graph = window->findChild<GraphContainer*>();
    for (const auto& [button, title] : buttons) {
        QSignalSpy computed(container, &ShootContainer::ComputeEnd);
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(computed.count(), 1);
        QCOMPARE(graph->plotWidget()->axisTitle(QwtPlot::yLeft).text(), QString(title));
        QCOMPARE(graph->plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
    }
}

void TestWindow::unitSwitchRecomputes()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    QSignalSpy computed(container, &ShootContainer::ComputeEnd);
    widget<QAction>("actionUS")->trigger();
    QCOMPARE(computed.count(), 1);
    QVERIFY(panelText(0, "label_DTMvalue").endsWith(" yd"));
    auto* card = qobject_cast<RangeCard*>(widget<QTabWidget>("tabWidget_results")->widget(1));
    QCOMPARE(card->findChild<QTableWidget*>()->horizontalHeaderItem(0)->toolTip(), QString("Range (yd)"));
    QCOMPARE(window->findChild<GraphContainer*>()->plotWidget()->axisTitle(QwtPlot::xBottom).text(),
        QString("Distance (yd.)"));

    widget<QAction>("actionMetric")->trigger();
    QCOMPARE(computed.count(), 2);
    QVERIFY(panelText(0, "label_DTMvalue").endsWith(" m"));
}

void TestWindow::moaChangesOnlyDropAndDrift()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    auto* graph = window->findChild<GraphContainer*>();
    const Shoot* load = container->GetShoot(0);
    widget<QAction>("actionMOA")->trigger(); // recomputes the drop graph at once
    QCOMPARE(graph->plotWidget()->axisTitle(QwtPlot::yLeft).text(), QString("Drop (moa)"));
    QCOMPARE(int(graph->curve(0).dataSize()), load->TrajectorySeries(16).size());
    QCOMPARE(graph->curve(0).sample(10).y(), load->TrajectorySeries(16)[10]);

    QTest::mouseClick(widget<QPushButton>("pushButton_graphSelect_Velocity"), Qt::LeftButton);
    QCOMPARE(graph->plotWidget()->axisTitle(QwtPlot::yLeft).text(), QString("Velocity (m/s)"));
    QCOMPARE(graph->curve(0).sample(10).y(), load->TrajectorySeries(4)[10]);

    QTest::mouseClick(widget<QPushButton>("pushButton_graphSelect_Drift"), Qt::LeftButton);
    QCOMPARE(graph->curve(0).sample(10).y(), load->TrajectorySeries(15)[10]);

    widget<QAction>("actionMOA")->trigger();
    QTest::mouseClick(widget<QPushButton>("pushButton_graphSelect_Drop"), Qt::LeftButton);
    QCOMPARE(graph->curve(0).sample(10).y(), load->TrajectorySeries(3)[10]);
}

void TestWindow::sameZeroRangeWithMasterTwo()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    Shoot* master = container->GetShoot(2);
    master->setZeroRange(150);
    master->setZeroRangeUnit(1);
    container->GetShoot(1)->setActive(true);

    widget<QComboBox>("comboBox_multi_shoot_behavior")->setCurrentIndex(1);
    MasterSelector* selector = masterSelector();
    QVERIFY(selector && selector->isVisible());
    QCOMPARE(selector->list()->currentIndex(), 0);
    selector->list()->setCurrentIndex(2);
    selector->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

    const QList<ParamTab*> tabs = paramTabs();
    QCOMPARE(tabs.size(), 4);
    for (int index = 0; index < 4; ++index)
        QCOMPARE(tabs[index]->findChild<QSpinBox*>("spinBox_ZR")->isEnabled(), index == 2);

    QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
    for (int index : {0, 1}) {
        QCOMPARE(container->GetShoot(index)->zeroRange(), 150);
        QCOMPARE(container->GetShoot(index)->zeroRangeUnit(), 1);
        QCOMPARE(tabs[index]->findChild<QSpinBox*>("spinBox_ZR")->value(), 150);
    }

    widget<QComboBox>("comboBox_multi_shoot_behavior")->setCurrentIndex(0);
    for (ParamTab* tab : tabs)
        QVERIFY(tab->findChild<QSpinBox*>("spinBox_ZR")->isEnabled());
    container->GetShoot(1)->setActive(false);
}

void TestWindow::cancelledMasterSelectorChangesNoTab()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    widget<QComboBox>("comboBox_multi_shoot_behavior")->setCurrentIndex(2);
    MasterSelector* selector = masterSelector();
    QVERIFY(selector->isVisible());
    selector->list()->setCurrentIndex(3);
    selector->reject();
    for (ParamTab* tab : paramTabs())
        QVERIFY(tab->findChild<QSpinBox*>("spinBox_ZR")->isEnabled());
    QCOMPARE(container->multiShootBehavior(), QString("angle"));
    QCOMPARE(container->masterIndex(), 2); // the previous master stays
    widget<QComboBox>("comboBox_multi_shoot_behavior")->setCurrentIndex(0);
}

void TestWindow::renamingALoadRenamesItsPageOnly()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    Shoot* load = container->GetShoot(1);
    load->setOrigin("db");
    load->setTitle("Nosler 60 gr");
    QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(4), QString("Nosler 60 gr"));
    QCOMPARE(widget<QTabWidget>("tabWidget_results")->tabText(2), QString("Load 2"));
}

void TestWindow::unreachableZeroRangeWarnsOnce()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    Shoot* far = container->GetShoot(3);
    far->setActive(true);
    far->setOrigin("db");
    far->setTitle("Too far");
    far->setMuzzleVelocity(150); // m/s: 1000 m lies beyond its reach at 10 degrees
    far->setMuzzleVelocityUnit(0);
    far->setZeroRange(1000);
    far->setZeroRangeUnit(0);
    warnings.clear();
    QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith("Zeroing range not reachable for load : Too far\n"));
    // The run went on: both loads are drawn.
    QCOMPARE(window->findChild<GraphContainer*>()->plotWidget()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    far->setActive(false);
}

// The program keeps no state but the store: a second program started on it shows it all again.
void TestWindow::restartOnTheSameStore()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    widget<QSpinBox>("spinBox_cardStep")->setValue(25);
    widget<QComboBox>("comboBox_temp_unit")->setCurrentIndex(1);
    widget<QAction>("actionUS")->trigger();
    Shoot* load = container->GetShoot(1);
    load->setActive(true);
    load->setOrigin("db");
    load->setTitle("Restarted .223");
    load->setMuzzleVelocity(3100);
    QSettings().sync();

    QCOMPARE(runRestartedCopy("restartedProgramShowsTheSameState"), 0);
}

// The second half of frenchAfterARestart: the window's texts and the toolkit's own buttons.
void TestWindow::restartedProgramSpeaksFrench()
{
    if (!restarted)
        QSKIP("runs in the restarted copy of this test");
    QCOMPARE(settings->language(), QString("fr"));
    QVERIFY(widget<QAction>("actionFrancais")->isChecked());
    QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Calculer !"));
    QCOMPARE(widget<QToolBox>("toolBox_params")->itemText(0), QString("Réglages"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Annuler"));
}

void TestWindow::frenchAfterARestart()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    window->setQuestionAsker([](const QString&, const QString&) { return false; }); // restart later
    widget<QAction>("actionFrancais")->trigger();
    QCOMPARE(settings->language(), QString("fr"));
    QCOMPARE(widget<QPushButton>("pushButton_compute")->text(), QString("Compute !")); // until the restart
    QSettings().sync();

    QCOMPARE(runRestartedCopy("restartedProgramSpeaksFrench"), 0);
}

// A parameter file edited by hand with values no widget lets through: the window computes,
// and no label, card cell, clipboard text, print or axis shows a NaN or an infinity.
void TestWindow::hostileParameterFileShowsNoNonFiniteNumbers()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    const QString path = programDir.filePath("hostile.vnt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[global]\nkillZone=1e9\ncardStep=0\ncardDisplayClicks=true\ncardDisplayMOA=true\n"
               "autoRange=false\nmaxRange=2147483647\n"
               "[envir]\nupHillAngle=180\ntemperature=-500\nwindVelocity=1e300\nwindAngle=90\n"
               "[rifle]\nscopeClick=6\nmanScopeDistH=0\nmanScopeDevV=0\ntwist=0\nsightHeight=-1e9\n"
               "[shoot]\n0\\active=true\n0\\origin=db\n0\\title=Heavy\n0\\weight=1e308\n"
               "0\\muzzleVelocity=2650\n0\\muzzleVelocityUnit=1\n0\\caliber=0\n0\\BCmultiBC=0.4\n"
               "0\\BCmultiV=0\n0\\zeroRange=-100\n"
               "1\\active=true\n1\\origin=db\n1\\title=Still\n1\\muzzleVelocity=0\n1\\BCmultiBC=0.4\n"
               "2\\active=true\n2\\origin=db\n2\\title=Draggy\n2\\muzzleVelocity=-3000\n"
               "2\\BCmultiBC=-1;nan;inf\n2\\BCmultiV=0;1e308;-5\n");
    file.close();
    QVERIFY(ParameterFile::load(path));
    warnings.clear();
    for (int plot : {1, 2, 3, 4, 5, 6}) {
        container->setPlotType(plot);
        QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
        const QwtPlot* plotWidget = window->findChild<GraphContainer*>()->plotWidget();
        for (int axis : {QwtPlot::yLeft, QwtPlot::yRight, QwtPlot::xBottom}) {
            const QwtScaleDiv& scale = plotWidget->axisScaleDiv(axis);
            QVERIFY(std::isfinite(scale.lowerBound()) && std::isfinite(scale.upperBound()));
        }
    }
    QVERIFY(!warnings.isEmpty()); // the loads that cannot be integrated say so

    const QRegularExpression nonFinite("\\b-?(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption);
    for (const QLabel* label : window->findChildren<QLabel*>())
        QVERIFY2(!nonFinite.match(label->text()).hasMatch(), qPrintable(label->objectName() + ": " + label->text()));
    for (RangeCard* card : window->findChildren<RangeCard*>()) {
        auto* table = card->findChild<QTableWidget*>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                QVERIFY(!nonFinite.match(table->item(row, column)->text()).hasMatch());
        if (!card->isEnabled())
            continue;
        card->findChild<QPushButton*>("pushButton_copy")->click();
        QVERIFY(!nonFinite.match(QGuiApplication::clipboard()->text()).hasMatch());
        QVERIFY(!nonFinite.match(card->composeDocument(table)->toPlainText()).hasMatch());
    }
}

// Everything a file can hold that a box cannot show as it is: a fraction in whole numbers,
// more decimals than a box takes, several bands of a hand-typed load, values beyond the
// boxes' ranges, a wind from 270 degrees and keys of another machine.
QString TestWindow::writeAwkwardFile()
{
    // From the defaults, as vanto-cli starts, whatever earlier tests left.
    QSettings().clear();
    ParameterFile::restoreLoads();
    const QString path = programDir.filePath("awkward.vnt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(
            "[global]\nmaxRange=650.5\nautoRange=false\ncardStep=25.0\ncardDisplayMOA=true\n"
            "cardDisplayMils=true\ncardDisplayClicks=true\nincludeSpinDrift=true\nlanguage=it\nsaveDir=/elsewhere\n"
            "[envir]\nwindAngle=270\nwindVelocity=4\n[shoot]\n0\\active=true\n0\\muzzleVelocity=850.0\n"
            "0\\weight=150.25\n0\\caliber=0.3085\n0\\BCmultiBC=\"0.5;0.48;0.455\"\n0\\BCmultiV=\"0;2200;1800\"\n"
            "0\\zeroRange=1200\n0\\zeroRangeUnit=1.0\n1\\active=true\n1\\origin=db\n1\\title=Slug\n1\\muzzleVelocity="
            "140\n"
            "1\\weight=1000\n1\\BCmultiBC=0.2345\n1\\zeroRange=50.5\n1\\lengthNeedsCheck=true\n");
    return path;
}

void TestWindow::awkwardFileComesBackAsRead_data()
{
    // The key, its value in the file saved again, a box of the key's load page and its text.
    QTest::addColumn<QStringList>("row");
    // Kept as the file gives them, every decimal and every band.
    QTest::newRow("850.0") << QStringList{"shoot/0/muzzleVelocity", "850", "spinBox_V0", "850"};
    QTest::newRow("weight 150.25") << QStringList{"shoot/0/weight", "150.25", "spinBox_weight", "150.25"};
    QTest::newRow("caliber 0.3085") << QStringList{"shoot/0/caliber", "0.3085", "spinBox_caliber", "0.3085"};
    QTest::newRow("three bands") << QStringList{"shoot/0/BCmultiBC", "0.5;0.48;0.455", "spinBox_BC", "0.5000"};
    QTest::newRow("zero range 1200") << QStringList{"shoot/0/zeroRange", "1200", "spinBox_ZR", "1200"};
    QTest::newRow("unit 1.0") << QStringList{"shoot/0/zeroRangeUnit", "1", "", ""};
    QTest::newRow("140 m/s slug") << QStringList{"shoot/1/muzzleVelocity", "140", "spinBox_V0", "140"};
    QTest::newRow("BC 0.2345") << QStringList{"shoot/1/BCmultiBC", "0.2345", "spinBox_BC", "0.2345"};
    QTest::newRow("zero range 50.5") << QStringList{"shoot/1/zeroRange", "50", "spinBox_ZR", "50"};
    QTest::newRow("length to check") << QStringList{"shoot/1/lengthNeedsCheck", "true", "", ""};
    // Beyond a box's range: brought into it by the load, once, as it reads the file.
    QTest::newRow("weight 1000") << QStringList{"shoot/1/weight", "900", "spinBox_weight", "900.0"};
    QTest::newRow("maximum range 650.5") << QStringList{"global/maxRange", "650", "", ""};
    QTest::newRow("wind 270") << QStringList{"envir/windAngle", "-90", "", ""};
}

// Loaded (twice, as a user may), shown in the pages and saved again, a file gives back every
// load value as it was, or as the range rule makes it.
void TestWindow::awkwardFileComesBackAsRead()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    QFETCH(QStringList, row);
    const QString path = writeAwkwardFile();
    const QString copy = programDir.filePath("awkward-again.vnt");
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(ParameterFile::load(path) && ParameterFile::save(copy));
        QCOMPARE(QSettings(copy, QSettings::IniFormat).value(row[0]).toString(), row[1]);
        if (!row[2].isEmpty())
            QCOMPARE(WindowTesting::widget<QAbstractSpinBox>(paramTabs().at(row[0].section('/', 1, 1).toInt()), row[2])
                         ->text(),
                row[3]);
    }
}

// The window's range cards of such a file are vanto-cli's, cell by cell.
void TestWindow::awkwardFileCardEqualsTheCli()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    const QString path = writeAwkwardFile();
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", programDir.filePath("cli-config"));
    cli.setProcessEnvironment(environment);
    cli.start(VANTO_CLI, {path});
    QVERIFY(cli.waitForFinished(120000) && cli.exitCode() == 0);
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');

    QVERIFY(ParameterFile::load(path));
    QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
    for (int index = 0; index < 2; ++index) {
        const auto* card = qobject_cast<RangeCard*>(widget<QTabWidget>("tabWidget_results")->widget(index + 1));
        const QTableWidget* table = card->findChild<QTableWidget*>("tableWidget");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << table->item(row, column)->text().replace(QRegularExpression("^-$"), ""); // not computable
            rows << cells.join(',');
        }
        const int header = lines.indexOf(
            QRegularExpression("^Range.*"), lines.indexOf(QRegularExpression(QString("^# load %1:.*").arg(index))));
        QVERIFY(table->rowCount() > 10);
        QCOMPARE(rows, lines.mid(header + 1, rows.size()));
        QVERIFY(!lines.value(header + 1 + rows.size()).contains(','));
    }
}

void TestWindow::staleResultsStabilityAndTruingMenu()
{
    if (restarted)
        QSKIP("the restarted copy only checks the restored state");
    auto* compute = widget<QPushButton>("pushButton_compute");
    QwtPlot* plot = window->findChild<GraphContainer*>()->plotWidget();
    auto* twist = widget<QDoubleSpinBox>("doubleSpinBox_twist");
    const double ownTwist = twist->value();
    QTest::mouseClick(compute, Qt::LeftButton);
    QVERIFY(!compute->property("outOfDate").toBool());
    QCOMPARE(plot->title().text(), QString());
    bool isNumber = false;
    QVERIFY(panelText(0, "label_SGvalue").section(' ', 0, 0).toDouble(&isNumber) > 0.0 && isNumber);

    // A slow twist, typed and not computed: the results say they are out of date, and so does
    // an export of them.
    twist->setValue(40);
    QVERIFY(compute->property("outOfDate").toBool());
    // (in the language an earlier test left)
    const QString outOfDate = ResultsState::outOfDateText();
    QCOMPARE(plot->title().text(), outOfDate);
    auto* card = qobject_cast<RangeCard*>(widget<QTabWidget>("tabWidget_results")->widget(1));
    QVERIFY(card->composeDocument(card->findChild<QTableWidget*>())->toPlainText().startsWith(outOfDate));
    QVERIFY(card->composeDopeCard()->toPlainText().contains(outOfDate));
    card->findChild<QPushButton*>("pushButton_copy")->click();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(outOfDate + '\n'));
    QTest::mouseClick(compute, Qt::LeftButton);
    QVERIFY(!compute->property("outOfDate").toBool());
    QCOMPARE(plot->title().text(), QString());
    QVERIFY2(panelText(0, "label_SGvalue").endsWith(" " + QCoreApplication::translate("InfoPanel", "(not stable)")),
        qPrintable(panelText(0, "label_SGvalue")));
    // A database bullet whose length was never entered: the factor says so until it is.
    const QString notChecked = QCoreApplication::translate("InfoPanel", "(length not checked)");
    Shoot* load = ShootContainer::instance()->GetShoot(0);
    for (const bool needsCheck : {true, false}) {
        load->setLengthNeedsCheck(needsCheck);
        QTest::mouseClick(compute, Qt::LeftButton);
        QCOMPARE(panelText(0, "label_SGvalue").endsWith("\n" + notChecked), needsCheck);
    }
    twist->setValue(ownTwist);

    widget<QAction>("actionTruing")->trigger();
    TruingDialog* truing = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<TruingDialog*>(top))
            truing = dialog;
    QVERIFY(truing && truing->isVisible());
    truing->close();
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
        const QString before = settings->language();
        settings->setLanguage(language);
        QSettings().sync();
        const QByteArray function = "textsFitTheirWidgets:" + language.toLatin1();
        QCOMPARE(runRestartedCopy(function.constData()), 0);
        settings->setLanguage(before);
        return;
    }
    if (settings->language() != language)
        QSKIP("the restarted copy checks the language it started in");

    settings->setCardDisplayMOA(true);
    settings->setCardDisplayMils(true);
    settings->setCardDisplayClicks(true);
    QTest::mouseClick(widget<QPushButton>("pushButton_compute"), Qt::LeftButton);
    QStringList cut;
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); };
    const QString pictures = qEnvironmentVariable(screenshotsVariable);
    const auto picture = [&](QWidget* shown, const QString& name) {
        if (!pictures.isEmpty() && QDir().mkpath(pictures + '/' + language))
            shown->grab().save(pictures + '/' + language + '/' + name + ".png");
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
        if (tab == 1 && !pictures.isEmpty()) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pictures + '/' + language + "/printed-card.pdf");
            qobject_cast<RangeCard*>(results->widget(1))
                ->PrintTable(results->widget(1)->findChild<QTableWidget*>(), &printer);
        }
    }
    QCOMPARE(results->widget(1)->findChild<QTableWidget*>()->columnCount(), 12);
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
    for (const QString& text : cut)
        qWarning().noquote() << text;
    QVERIFY2(cut.isEmpty(), "texts cut, listed above");
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
