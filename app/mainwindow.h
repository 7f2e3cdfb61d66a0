#pragma once

#include <QMainWindow>
#include <QTranslator>

#include <functional>
#include <memory>

class CustoDBManager;
class DBselector;
class GraphContainer;
class InfoPanel;
class KillZoneSetter;
class MasterSelector;
class ParamTab;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QUrl;
class RangeCard;
class Saver;
class Settings;
class ShootContainer;

namespace Ui {
class MainWindow;
}

// MainWindow is the program's only top-level window: the settings tool box on the left with
// the "Compute !" button, the results tabs in the middle, the info panels on the right, the
// menus and the status bar. It computes nothing itself: every settings widget is paired both
// ways with the settings store, and the window follows the store's unit system, angle
// display, kill zone and language.
//
// The few places where the window would block on the desktop (the restart question, the
// restart itself, the document opener of the user manual) go through replaceable functions,
// so that tests can answer them.
class QMessageBox;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    using QuestionAsker = std::function<bool(const QString& title, const QString& text)>;
    using DocumentOpener = std::function<bool(const QUrl& url)>;
    using Restarter = std::function<void()>;

    explicit MainWindow(QWidget* parent = nullptr);
    // The bullet databases under programDirectory + "/db" and the database windows' log in
    // programDirectory (by default the executable's folder).
    explicit MainWindow(const QString& programDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Asks a Yes/No question; true for Yes. By default a question box over the window.
    void setQuestionAsker(QuestionAsker asker);
    // Opens a local document; true when it opened. By default the desktop services.
    void setDocumentOpener(DocumentOpener opener);
    // Quits and starts the program again. By default a detached copy of this executable
    // with the same arguments.
    void setRestarter(Restarter restarter);

    // The box of a warning the program shows (Messages' sink in the program): modal, over the
    // active window, its text plain text whatever it holds (titles and notes from files).
    static std::unique_ptr<QMessageBox> warningBox(const QString& title, const QString& text);
    static void showWarning(const QString& title, const QString& text);

    // The parameter-file handler behind "Save parameters" and "Load parameters".
    Saver* parameterFiles() const { return saver.get(); }

signals:
    // A change of unit system or angle display after start-up asks for a new computation.
    void recomputeRequested();

public slots:
    void switchScopeClick(int index);
    void TurnWindArrow(int angle);
    void switchUnit(bool isMetric);
    void switchUseMoa(bool useMoa);
    void switchUseMils(bool useMils);
    void setUnit(int unit);
    void setUseAngleDisplay(int useAngleDisplay);
    void setKillZone(double killZone);
    void setKillZoneUnit(int killZoneUnit);
    void switchLanguage(QAction* i_action);
    void setLanguage(QString i_languageString);
    void LaunchUserManual();
    bool OpenUserManual(QString lang);
    void switchMultiShootBehavior(int index);
    void SetMultiShootState(QString i_behavior, int i_masterIndex);
    void setShootTabTitle(int id, QString title);
    void populateCards();
    void updateInfoPanels();
    void StartBCfromVel();
    void StartTruing();
    void showOutOfDate(bool outOfDate);
    void StartAbout();

private:
    void applyWindowTitle();
    void clearChoiceLists();
    void connectSettings();
    void connectActions();
    void connectResults();
    void watchInputs();

    void bind(QSpinBox* box, void (Settings::*setter)(int), void (Settings::*changed)(int));
    void bind(QDoubleSpinBox* box, void (Settings::*setter)(double), void (Settings::*changed)(double));
    void bind(QComboBox* list, void (Settings::*setter)(int), void (Settings::*changed)(int));
    void bind(QCheckBox* box, void (Settings::*setter)(bool), void (Settings::*changed)(bool));

    std::unique_ptr<Ui::MainWindow> ui;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
    std::unique_ptr<Saver> saver;
    GraphContainer* graph = nullptr;
    std::unique_ptr<MasterSelector> masterSelector;
    std::unique_ptr<DBselector> dbSelector;
    std::unique_ptr<CustoDBManager> custoDBManager;
    std::unique_ptr<KillZoneSetter> killZoneSetter;
    QList<RangeCard*> rangeCards;
    QList<ParamTab*> paramTabs;
    QList<InfoPanel*> infoPanels;
    QLabel* windSockLabel = nullptr;
    QTranslator translator;
    QTranslator toolkitTranslator; // the toolkit's own texts (OK, Cancel, file and print dialogs)
    QActionGroup* languageGroup = nullptr;
    QActionGroup* unitGroup = nullptr;

    QuestionAsker askQuestion;
    DocumentOpener openDocument;
    Restarter restart;
};
