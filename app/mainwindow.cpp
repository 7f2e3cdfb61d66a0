#include "app/mainwindow.h"

#include "app/resources.h"
#include "app/version.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/custodbmanager.h"
#include "database/dbselector.h"
#include "loads/masterselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "results/graphcontainer.h"
#include "results/infopanel.h"
#include "results/loadcolors.h"
#include "results/rangecard.h"
#include "results/resultsstate.h"
#include "settings/parameterfile.h"
#include "settings/saver.h"
#include "settings/settings.h"
#include "tools/about.h"
#include "tools/bcfromvfinder.h"
#include "tools/killzonesetter.h"
#include "tools/truingdialog.h"
#include "ui_mainwindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QTransform>
#include <QUrl>
#include <qwt_plot.h>
#include <qwt_text.h>

namespace {

constexpr int customScopeClick = 6;
constexpr int statusMessageMs = 5000;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : MainWindow(QCoreApplication::applicationDirPath(), parent)
{
}

MainWindow::MainWindow(const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    initVantoResources();

    askQuestion = [this](const QString& title, const QString& text) {
        return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    };
    openDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    restart = [] {
        QCoreApplication::quit();
        QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    };

    // 1. The form; every unit and choice list starts with no selection, so that the first
    //    value from the store always counts as a change.
    ui->setupUi(this);
    clearChoiceLists();
    setWindowIcon(QIcon(":/images/vanto.png"));

    // 2. Title with the version.
    applyWindowTitle();

    // 3. Translator, settings store, the four loads and the parameter files.
    settings = Settings::instance();
    container = ShootContainer::instance();
    saver = std::make_unique<Saver>();

    // 4. The language actions, one exclusive group.
    languageGroup = new QActionGroup(this);
    for (QAction* action : {ui->actionEnglish, ui->actionFrancais, ui->actionGerman, ui->actionEspanol,
             ui->actionRussian, ui->actionItaliano})
        languageGroup->addAction(action);

    // 5. The stored language, then every designed text in that language.
    settings->initializeLanguage();
    setLanguage(settings->language());
    ui->retranslateUi(this);
    applyWindowTitle();

    // 6. The graph and the dialogs the window keeps.
    graph = new GraphContainer;
    masterSelector = std::make_unique<MasterSelector>();
    dbSelector = std::make_unique<DBselector>(programDirectory);
    custoDBManager = std::make_unique<CustoDBManager>(programDirectory);
    killZoneSetter = std::make_unique<KillZoneSetter>();

    // 7. The wind sock, drawn centred over the rose; the graph in its tab.
    windSockLabel = new QLabel;
    windSockLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto* roseLayout = new QHBoxLayout(ui->label_windRose);
    roseLayout->setContentsMargins(0, 0, 0, 0);
    roseLayout->addWidget(windSockLabel);
    ui->horizontalLayout_graph->addWidget(graph);

    // 8. Per load: its editor page in the tool box, its range card tab and its info panel.
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        auto* tab = new ParamTab(index, dbSelector.get());
        ui->toolBox_params->addItem(tab, LoadColors::icon(index), tr("Load ") + QString::number(index + 1));
        paramTabs << tab;
        connect(container->GetShoot(index), &Shoot::titleChanged, this, &MainWindow::setShootTabTitle);
        auto* card = new RangeCard(index);
        ui->tabWidget_results->addTab(card, LoadColors::icon(index), tr("Load ") + QString::number(index + 1));
        rangeCards << card;
        auto* panel = new InfoPanel(index);
        ui->verticalLayout_infopanel->addWidget(panel);
        infoPanels << panel;
    }
    // The tool box as wide as its widest page in this language (room for a vertical scroll
    // bar included), so that no row of the settings or of a load is cut.
    int widestPage = ui->toolBox_params->minimumWidth();
    for (int page = 0; page < ui->toolBox_params->count(); ++page)
        widestPage = std::max(widestPage,
            ui->toolBox_params->widget(page)->minimumSizeHint().width()
                + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * ui->toolBox_params->frameWidth());
    ui->toolBox_params->setMinimumWidth(widestPage);

    // 9. Version and build stamp.
    statusBar()->showMessage(
        QString("version ") + vantoVersion + " - build " + __DATE__ + "_" + __TIME__, statusMessageMs);

    // 10. Metric and US exclude each other.
    unitGroup = new QActionGroup(this);
    unitGroup->addAction(ui->actionMetric);
    unitGroup->addAction(ui->actionUS);

    // 11. Connections.
    connectSettings();
    connectActions();
    connectResults();
    watchInputs();

    // 12. Every stored setting flows into its widget.
    settings->initialize();

    // 13. The loads come back as the last run left them; the first one takes part.
    ParameterFile::restoreLoads();
    container->GetShoot(0)->setActive(true);
    graph->Prepare();
}

MainWindow::~MainWindow() = default;

void MainWindow::setQuestionAsker(QuestionAsker asker)
{
    askQuestion = std::move(asker);
}

void MainWindow::setDocumentOpener(DocumentOpener opener)
{
    openDocument = std::move(opener);
}

void MainWindow::setRestarter(Restarter restarter)
{
    restart = std::move(restarter);
}

void MainWindow::applyWindowTitle()
{
    setWindowTitle(QString("Vanto v") + vantoVersion);
}

void MainWindow::clearChoiceLists()
{
    for (QWidget* page : {ui->page_rifle, ui->page_wind})
        for (QComboBox* list : page->findChildren<QComboBox*>())
            list->setCurrentIndex(-1);
    ui->comboBox_maxRangeUnit->setCurrentIndex(-1);
}

void MainWindow::bind(QSpinBox* box, void (Settings::*setter)(int), void (Settings::*changed)(int))
{
    connect(box, qOverload<int>(&QSpinBox::valueChanged), settings, setter);
    connect(settings, changed, box, &QSpinBox::setValue);
}

void MainWindow::bind(QDoubleSpinBox* box, void (Settings::*setter)(double), void (Settings::*changed)(double))
{
    connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), settings, setter);
    connect(settings, changed, box, &QDoubleSpinBox::setValue);
}

void MainWindow::bind(QComboBox* list, void (Settings::*setter)(int), void (Settings::*changed)(int))
{
    connect(list, qOverload<int>(&QComboBox::currentIndexChanged), settings, setter);
    connect(settings, changed, list, &QComboBox::setCurrentIndex);
}

void MainWindow::bind(QCheckBox* box, void (Settings::*setter)(bool), void (Settings::*changed)(bool))
{
    connect(box, &QCheckBox::toggled, settings, setter);
    connect(settings, changed, box, &QCheckBox::setChecked);
}

void MainWindow::connectSettings()
{
    // Each widget with its store setter and the store's change signal back to the widget.
    bind(ui->spinBox_maxRange, &Settings::setMaxRange, &Settings::maxRangeChanged);
    bind(ui->comboBox_maxRangeUnit, &Settings::setMaxRangeUnit, &Settings::maxRangeUnitChanged);
    bind(ui->checkBox_autoRange, &Settings::setAutoRange, &Settings::autoRangeChanged);
    bind(ui->checkBox_spinDrift, &Settings::setIncludeSpinDrift, &Settings::includeSpinDriftChanged);
    bind(ui->spinBox_cardStep, &Settings::setCardStep, &Settings::cardStepChanged);
    bind(ui->checkBox_display_MOA, &Settings::setCardDisplayMOA, &Settings::cardDisplayMOAChanged);
    bind(ui->checkBox_display_mils, &Settings::setCardDisplayMils, &Settings::cardDisplayMilsChanged);
    bind(ui->checkBox_display_clicks, &Settings::setCardDisplayClicks, &Settings::cardDisplayClicksChanged);
    bind(ui->doubleSpinBox_sightHeight, &Settings::setSightHeight, &Settings::sightHeightChanged);
    bind(ui->comboBox_sightHeightUnit, &Settings::setSightHeightUnit, &Settings::sightHeightUnitChanged);
    bind(ui->doubleSpinBox_twist, &Settings::setTwist, &Settings::twistChanged);
    bind(ui->comboBox_twistUnit, &Settings::setTwistUnit, &Settings::twistUnitChanged);
    bind(ui->comboBox_twistDirection, &Settings::setTwistDirection, &Settings::twistDirectionChanged);
    bind(ui->comboBox_scopeClick, &Settings::setScopeClick, &Settings::scopeClickChanged);
    connect(settings, &Settings::scopeClickChanged, this, &MainWindow::switchScopeClick);
    bind(ui->doubleSpinBox_manScopeClickHorizDev, &Settings::setManScopeDevH, &Settings::manScopeDevHChanged);
    bind(ui->comboBox_manScopeClickHorizDevUnit, &Settings::setManScopeDevUnitH, &Settings::manScopeDevUnitHChanged);
    bind(ui->doubleSpinBox_manScopeClickHorizDist, &Settings::setManScopeDistH, &Settings::manScopeDistHChanged);
    bind(ui->comboBox_manScopeClickHorizDistUnit, &Settings::setManScopeDistUnitH, &Settings::manScopeDistUnitHChanged);
    bind(ui->doubleSpinBox_manScopeClickVertDev, &Settings::setManScopeDevV, &Settings::manScopeDevVChanged);
    bind(ui->comboBox_manScopeClickVertDevUnit, &Settings::setManScopeDevUnitV, &Settings::manScopeDevUnitVChanged);
    bind(ui->doubleSpinBox_manScopeClickVertDist, &Settings::setManScopeDistV, &Settings::manScopeDistVChanged);
    bind(ui->comboBox_manScopeClickVertDistUnit, &Settings::setManScopeDistUnitV, &Settings::manScopeDistUnitVChanged);
    bind(ui->doubleSpinBox_windVelo, &Settings::setWindVelocity, &Settings::windVelocityChanged);
    bind(ui->comboBox_WindVeloUnit, &Settings::setWindVelocityUnit, &Settings::windVelocityUnitChanged);
    bind(ui->spinBox_WindAngle, &Settings::setWindAngle, &Settings::windAngleChanged);
    connect(settings, &Settings::windAngleChanged, this, &MainWindow::TurnWindArrow);
    bind(ui->checkBox_default_pressure, &Settings::setUseDefaultPressure, &Settings::useDefaultPressureChanged);
    bind(ui->doubleSpinBox_base_pression, &Settings::setBasePressure, &Settings::basePressureChanged);
    bind(ui->comboBox_base_pression_unit, &Settings::setBasePressureUnit, &Settings::basePressureUnitChanged);
    bind(ui->checkBox_altitude_correction, &Settings::setAltitudeCorrection, &Settings::altitudeCorrectionChanged);
    bind(ui->doubleSpinBox_altitude, &Settings::setAltitude, &Settings::altitudeChanged);
    bind(ui->comboBox_altitude_unit, &Settings::setAltitudeUnit, &Settings::altitudeUnitChanged);
    bind(ui->spinBox_uphill_angle, &Settings::setUpHillAngle, &Settings::upHillAngleChanged);
    bind(ui->comboBox_uphill_direction, &Settings::setUpHillDirection, &Settings::upHillDirectionChanged);
    bind(ui->doubleSpinBox_temp, &Settings::setTemperature, &Settings::temperatureChanged);
    bind(ui->comboBox_temp_unit, &Settings::setTemperatureUnit, &Settings::temperatureUnitChanged);

    // The display texts of the lists that the cards and the graph print.
    const std::pair<QComboBox*, void (Settings::*)(const QString&)> displayTexts[] = {
        {ui->comboBox_base_pression_unit, &Settings::setPressureUnitStr},
        {ui->comboBox_altitude_unit, &Settings::setAltitudeUnitStr},
        {ui->comboBox_WindVeloUnit, &Settings::setWindVelocityUnitStr},
        {ui->comboBox_temp_unit, &Settings::setTemperatureUnitStr},
        {ui->comboBox_sightHeightUnit, &Settings::setSightHeightUnitStr},
        {ui->comboBox_twistDirection, &Settings::setTwistDirectionStr},
        {ui->comboBox_twistUnit, &Settings::setTwistUnitStr},
        {ui->comboBox_uphill_direction, &Settings::setUpHillDirectionStr},
        {ui->comboBox_scopeClick, &Settings::setScopeClickStr},
    };
    for (const auto& [list, setter] : displayTexts)
        connect(list, &QComboBox::currentTextChanged, settings, setter);

    // Store signals that drive the window.
    connect(settings, &Settings::languageChanged, this, &MainWindow::setLanguage);
    connect(settings, &Settings::unitSystemChanged, this, &MainWindow::setUnit);
    connect(settings, &Settings::useAngleDisplayChanged, this, &MainWindow::setUseAngleDisplay);
    connect(settings, &Settings::killZoneChanged, this, &MainWindow::setKillZone);
    connect(settings, &Settings::killZoneUnitChanged, this, &MainWindow::setKillZoneUnit);
}

void MainWindow::connectActions()
{
    connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::switchLanguage);
    connect(ui->actionMetric, &QAction::toggled, this, &MainWindow::switchUnit);
    connect(ui->actionMOA, &QAction::triggered, this, &MainWindow::switchUseMoa);
    connect(ui->actionmils, &QAction::triggered, this, &MainWindow::switchUseMils);
    connect(ui->actionHelp, &QAction::triggered, this, &MainWindow::LaunchUserManual);
    connect(ui->actionSave_Paramters, &QAction::triggered, saver.get(), &Saver::save);
    connect(ui->actionLoad_parameters, &QAction::triggered, saver.get(), &Saver::load);
    connect(ui->actionManage_custom_db, &QAction::triggered, custoDBManager.get(), &QWidget::show);
    connect(ui->actionBC_from_velocity_measurements, &QAction::triggered, this, &MainWindow::StartBCfromVel);
    QAction* truing = ui->menuCalculate->addAction(tr("Truing"));
    truing->setObjectName("actionTruing");
    connect(truing, &QAction::triggered, this, &MainWindow::StartTruing);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::StartAbout);
    connect(ui->pushButton_kill_zone, &QPushButton::released, killZoneSetter.get(), &QWidget::show);
    connect(this, &MainWindow::recomputeRequested, container, &ShootContainer::Compute);
}

// Every edit of an input widget, and every change the settings and the loads announce, makes
// the results on screen out of date until the next computation.
void MainWindow::watchInputs()
{
    ResultsState* state = ResultsState::instance();
    QList<QWidget*> inputs = {ui->toolBox_params, ui->comboBox_multi_shoot_behavior};
    for (QWidget* root : inputs) {
        QList<QSpinBox*> spinBoxes = root->findChildren<QSpinBox*>();
        QList<QDoubleSpinBox*> doubleBoxes = root->findChildren<QDoubleSpinBox*>();
        QList<QComboBox*> lists = root->findChildren<QComboBox*>();
        QList<QCheckBox*> checkBoxes = root->findChildren<QCheckBox*>();
        if (auto* list = qobject_cast<QComboBox*>(root))
            lists << list;
        for (QSpinBox* box : spinBoxes)
            connect(box, qOverload<int>(&QSpinBox::valueChanged), state, &ResultsState::inputChanged);
        for (QDoubleSpinBox* box : doubleBoxes)
            connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), state, &ResultsState::inputChanged);
        for (QComboBox* list : lists)
            connect(list, qOverload<int>(&QComboBox::currentIndexChanged), state, &ResultsState::inputChanged);
        for (QCheckBox* box : checkBoxes)
            connect(box, &QCheckBox::toggled, state, &ResultsState::inputChanged);
    }
    connect(state, &ResultsState::outOfDateChanged, this, &MainWindow::showOutOfDate);
    showOutOfDate(state->outOfDate());
}

void MainWindow::showOutOfDate(bool outOfDate)
{
    QPushButton* compute = ui->pushButton_compute;
    compute->setProperty("outOfDate", outOfDate);
    compute->setStyleSheet(outOfDate ? "QPushButton { background-color: #ffd54f; font-weight: bold; }" : QString());
    compute->setToolTip(
        outOfDate ? tr("The inputs changed since the last computation: the results are out of date") : QString());
    QwtText title(outOfDate ? ResultsState::outOfDateText() : QString());
    title.setColor(Qt::darkRed);
    graph->plotWidget()->setTitle(title);
}

void MainWindow::connectResults()
{
    connect(ui->pushButton_graphSelect_Drop, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeDrop);
    connect(
        ui->pushButton_graphSelect_Velocity, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeVelocity);
    connect(ui->pushButton_graphSelect_Energy, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeEnergy);
    connect(ui->pushButton_graphSelect_Drift, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeDrift);
    connect(ui->pushButton_graphSelect_TOF, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeTime);
    connect(ui->pushButton_graphSelect_Bend, &QPushButton::clicked, container, &ShootContainer::SetPlotTypeBend);
    connect(ui->pushButton_compute, &QPushButton::released, container, &ShootContainer::Compute);
    connect(container, &ShootContainer::ComputeStart, graph, &GraphContainer::Prepare);
    connect(container, &ShootContainer::SendData, graph, &GraphContainer::UpdateGraph);
    connect(container, &ShootContainer::ComputeEnd, graph, &GraphContainer::Plot);
    connect(ui->comboBox_multi_shoot_behavior, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &MainWindow::switchMultiShootBehavior);
    connect(container, &ShootContainer::SendMultiShootBehavior, this, &MainWindow::SetMultiShootState);
    connect(container, &ShootContainer::SendDRx, this, &MainWindow::updateInfoPanels);
    connect(ui->pushButton_zoom, &QPushButton::toggled, graph, &GraphContainer::enableZoomMode);
    connect(ui->pushButton_resetZoom, &QPushButton::clicked, graph, &GraphContainer::ZoomOut);
    connect(container, &ShootContainer::sendCard, this, &MainWindow::populateCards);
}

void MainWindow::switchMultiShootBehavior(int index)
{
    qDebug().noquote() << "void MainWindow::switchMultiShootBehavior(int)" << index;
    if (index == 0) {
        container->setMultiShootBehaviorIndep();
        return;
    }
    if (index == 1)
        container->setMultiShootBehaviorZero();
    else
        container->setMultiShootBehaviorAngle();
    masterSelector->start();
}

void MainWindow::SetMultiShootState(QString i_behavior, int i_masterIndex)
{
    qDebug().noquote() << "void MainWindow::SetMultiShootState(QString, int)" << i_behavior << i_masterIndex;
    if (i_behavior == "indep") {
        for (ParamTab* tab : paramTabs)
            tab->enableZeroRange();
        return;
    }
    for (ParamTab* tab : paramTabs)
        tab->disableZeroRange();
    if (i_masterIndex >= 0 && i_masterIndex < paramTabs.size())
        paramTabs[i_masterIndex]->enableZeroRange();
}

void MainWindow::setShootTabTitle(int id, QString title)
{
    // A title is text: an "&" shows as itself, not as the underline of a shortcut.
    ui->toolBox_params->setItemText(
        ui->toolBox_params->count() + id - ShootContainer::loadCount, title.replace('&', QStringLiteral("&&")));
}

std::unique_ptr<QMessageBox> MainWindow::warningBox(const QString& title, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    return box;
}

void MainWindow::showWarning(const QString& title, const QString& text)
{
    warningBox(title, text)->exec();
}

void MainWindow::populateCards()
{
    qDebug().noquote() << "void MainWindow::populateCards()";
    for (RangeCard* card : rangeCards)
        card->populate();
}

void MainWindow::updateInfoPanels()
{
    for (InfoPanel* panel : infoPanels)
        panel->UpdateLabel();
}

void MainWindow::StartBCfromVel()
{
    // A new tool each time, released when closed.
    auto* finder = new BCfromVFinder;
    finder->setAttribute(Qt::WA_DeleteOnClose);
    finder->show();
}

void MainWindow::StartTruing()
{
    auto* dialog = new TruingDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::StartAbout()
{
    auto* box = new about;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void MainWindow::switchScopeClick(int index)
{
    const bool custom = index == customScopeClick;
    const QList<QWidget*> customClickWidgets = {
        ui->label_manScopeClickHoriz,
        ui->doubleSpinBox_manScopeClickHorizDev,
        ui->comboBox_manScopeClickHorizDevUnit,
        ui->label_manScopeClickHorizAt,
        ui->doubleSpinBox_manScopeClickHorizDist,
        ui->comboBox_manScopeClickHorizDistUnit,
        ui->label_manScopeClickVert,
        ui->doubleSpinBox_manScopeClickVertDev,
        ui->comboBox_manScopeClickVertDevUnit,
        ui->label_manScopeClickVertAt,
        ui->doubleSpinBox_manScopeClickVertDist,
        ui->comboBox_manScopeClickVertDistUnit,
    };
    for (QWidget* widget : customClickWidgets)
        widget->setEnabled(custom);
}

void MainWindow::TurnWindArrow(int angle)
{
    // A positive rotation turns clockwise on screen, so the sock turns counter-clockwise by
    // the wind angle.
    const QPixmap sock = QPixmap(":/images/windrose/sock.png")
                             .scaled(ui->label_windRose->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .transformed(QTransform().rotate(-angle), Qt::FastTransformation);
    windSockLabel->setPixmap(sock);
}

void MainWindow::switchUnit(bool isMetric)
{
    settings->setUnitSystem(isMetric ? 0 : 1);
}

void MainWindow::switchUseMoa(bool useMoa)
{
    qDebug().noquote() << "void MainWindow::switchUseMoa(bool)" << (useMoa ? "true" : "false");
    settings->setUseAngleDisplay(useMoa ? 1 : 0);
}

void MainWindow::switchUseMils(bool useMils)
{
    qDebug().noquote() << "void MainWindow::switchUseMils(bool)" << (useMils ? "true" : "false");
    settings->setUseAngleDisplay(useMils ? 2 : 0);
}

void MainWindow::setUnit(int unit)
{
    qDebug().noquote() << "void MainWindow::setUnit(int)" << unit;
    if (unit != 0) {
        ui->actionUS->setChecked(true);
        ui->spinBox_cardStep->setSuffix(" yd");
    } else {
        ui->actionMetric->setChecked(true);
        ui->spinBox_cardStep->setSuffix(" m");
    }
    if (settings->isInitialized())
        emit recomputeRequested();
}

void MainWindow::setUseAngleDisplay(int useAngleDisplay)
{
    qDebug().noquote() << "void MainWindow::setUseAngleDisplay(int)" << useAngleDisplay;
    ui->actionMOA->setChecked(useAngleDisplay == 1);
    ui->actionmils->setChecked(useAngleDisplay == 2);
    if (settings->isInitialized())
        emit recomputeRequested();
}

void MainWindow::setKillZone(double killZone)
{
    ui->label_kill_zone->setText(QString::number(killZone, 'g', 6));
}

void MainWindow::setKillZoneUnit(int)
{
    ui->label_kill_zone_unit->setText(settings->killZoneUnitStr());
}

void MainWindow::switchLanguage(QAction* i_action)
{
    const QString code = i_action->property("locale").toString();
    qDebug().noquote() << "void MainWindow::switchLanguage(QAction*)" << code;
    if (code == settings->language())
        return;

    settings->setLanguage(code);
    const bool restartNow = askQuestion(tr("Restart interface ?"),
        tr("Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be "
           "lost.\n\nOtherwise, the language change will be applied at next launch of Vanto."));
    if (restartNow)
        restart();
}

void MainWindow::setLanguage(QString i_languageString)
{
    qDebug().noquote() << "void MainWindow::setLanguage(QString)" << i_languageString;
    QString code = i_languageString;
    if (code.isEmpty()) {
        code = QLocale::system().name().section('_', 0, 0);
        qDebug().noquote() << "Locale identified from OS : " + code;
    }

    QCoreApplication::removeTranslator(&translator);
    translator.load(QCoreApplication::applicationDirPath() + "/translations/vanto_" + code);
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::removeTranslator(&toolkitTranslator);
    toolkitTranslator.load("qtbase_" + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&toolkitTranslator);

    for (QAction* action : languageGroup->actions())
        if (action->property("locale").toString() == code)
            action->setChecked(true);
}

void MainWindow::LaunchUserManual()
{
    if (OpenUserManual(settings->language()))
        return;
    if (OpenUserManual("en"))
        return;
    Messages::warning(
        tr("Warning"), tr("No reader found for pdf format. Please install a pdf reader to display user manual"));
}

bool MainWindow::OpenUserManual(QString lang)
{
    qDebug().noquote() << "bool MainWindow::OpenUserManual(QString)" << lang;
    const QString fileName = "vanto_UserManual_" + lang + ".pdf";
    // Some desktop openers report success for a file that does not exist; a missing manual
    // must count as a failure, so that the English one is tried next.
    const auto tryOpen = [this](const QString& path) {
        const QFileInfo file(path);
        return file.isFile() && openDocument(QUrl::fromLocalFile(file.absoluteFilePath()));
    };
    return tryOpen(QCoreApplication::applicationDirPath() + "/doc/" + fileName)
        || tryOpen(QDir::current().filePath("doc/" + fileName));
}
