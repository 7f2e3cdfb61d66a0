#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <limits>
#include <memory>
#include <optional>

class QSettings;
class QVariant;

// Settings is the one process-wide object that holds the general preferences ("global"),
// the shooting conditions ("envir") and the rifle and scope data ("rifle"). Every value lives
// in a field and, at the same time, in the per-user store (organisation "Tarvanel",
// application "Vanto4") under a fixed key: a setter stores the value, writes its key at once
// and emits its change signal, so that every widget showing the value stays in step.
//
// Setters follow one of three patterns:
//  1. integers and strings: an equal value does nothing; otherwise assign, write, emit;
//  2. doubles: an equal value (exact comparison) does nothing; otherwise assign and write,
//     and emit only while the store is not initialized (setKillZone emits on every change);
//  3. the angle display, booleans and the wind angle: assign, write and emit on every call.
// While values are pushed into widgets programmatically (initialize(), restore of a load,
// a database bullet) isInitialized() is false.
//
// Raw getters return the values in the unit the user chose; the converted getters give the
// solver metres, metres per second, radians, degrees Celsius, hectopascals and MOA.
class Settings : public QObject {
    Q_OBJECT

public:
    // The program's settings object, created on first use and never destroyed.
    static Settings* instance();

    // Builds a settings object on the default per-user store. The program uses instance();
    // tests build their own objects on their own stores.
    explicit Settings(QObject* parent = nullptr);
    ~Settings() override;

    // Every key the settings write, "global/saveDir" and "global/language" included.
    static QStringList keys();

    // Reads "global/language" and passes it to setLanguage(); a value that is not a plain
    // locale code (letters and "_") counts as no choice.
    void initializeLanguage();
    // Re-reads every key of the key table with its default and pushes it through its setter;
    // every value reaches the widgets through its change signal. A value that does not read
    // gives 0 (numbers) or false; a number outside the range its widget allows is brought into
    // that range, and a list index outside its list gives the key's default.
    void initialize();

    // Writes what the setters stored to the per-user store now (the setters ask for it to be
    // done once the current event is handled). When the store cannot be written the values
    // stay in memory, one warning says so, and the result is false; the file keeps what it held.
    // What was written is read back: a file that a full disk cut short is put back as it was
    // last saved whole. The next failure after a successful save warns again.
    bool saveStore();
    // Asks for saveStore() once the current event has been handled: for the loads, which write
    // their keys to the same store.
    void scheduleSave();

    // Keeps the settings class from writing the store on its own, unchecked: a handle on the
    // same store that holds changes has them saved by saveStore() instead.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Whether text is whole as the settings class writes an INI file of at least keyCount keys,
    // one line each: a write cut short ends inside a line or lacks the last keys.
    static bool isWholeIniText(const QByteArray& text, int keyCount);

    bool isInitialized() const { return initialized; }
    void setInitialized(bool value) { initialized = value; }

    // Raw getters.
    QString language() const { return language_; }
    int unitSystem() const { return unitSystem_; }
    int useAngleDisplay() const { return useAngleDisplay_; }
    double killZone() const { return killZone_; }
    int killZoneUnit() const { return killZoneUnit_; }
    int maxRange() const { return maxRange_; }
    int maxRangeUnit() const { return maxRangeUnit_; }
    bool autoRange() const { return autoRange_; }
    bool includeSpinDrift() const { return includeSpinDrift_; }
    QString saveDir() const { return saveDir_; }
    int cardStep() const { return cardStep_; }
    bool cardDisplayMOA() const { return cardDisplayMOA_; }
    bool cardDisplayMils() const { return cardDisplayMils_; }
    bool cardDisplayClicks() const { return cardDisplayClicks_; }
    bool useDefaultPressure() const { return useDefaultPressure_; }
    double basePressure() const { return basePressure_; }
    int basePressureUnit() const { return basePressureUnit_; }
    bool altitudeCorrection() const { return altitudeCorrection_; }
    double altitude() const { return altitude_; }
    int altitudeUnit() const { return altitudeUnit_; }
    double windVelocity() const { return windVelocity_; }
    int windVelocityUnit() const { return windVelocityUnit_; }
    int windAngle() const { return windAngle_; }
    double temperature() const { return temperature_; }
    int temperatureUnit() const { return temperatureUnit_; }
    int upHillAngle() const { return upHillAngle_; }
    int upHillDirection() const { return upHillDirection_; }
    double sightHeight() const { return sightHeight_; }
    int sightHeightUnit() const { return sightHeightUnit_; }
    double twist() const { return twist_; }
    int twistUnit() const { return twistUnit_; }
    int twistDirection() const { return twistDirection_; }
    int scopeClick() const { return scopeClick_; }
    double manScopeDevH() const { return manScopeDevH_; }
    int manScopeDevUnitH() const { return manScopeDevUnitH_; }
    double manScopeDistH() const { return manScopeDistH_; }
    int manScopeDistUnitH() const { return manScopeDistUnitH_; }
    double manScopeDevV() const { return manScopeDevV_; }
    int manScopeDevUnitV() const { return manScopeDevUnitV_; }
    double manScopeDistV() const { return manScopeDistV_; }
    int manScopeDistUnitV() const { return manScopeDistUnitV_; }

    // Display texts of the current units and choices, as the widgets show them.
    QString killZoneUnitStr() const { return killZoneUnitStr_; }
    QString pressureUnitStr() const { return pressureUnitStr_; }
    QString altitudeUnitStr() const { return altitudeUnitStr_; }
    QString windVelocityUnitStr() const { return windVelocityUnitStr_; }
    QString temperatureUnitStr() const { return temperatureUnitStr_; }
    QString upHillDirectionStr() const { return upHillDirectionStr_; }
    QString sightHeightUnitStr() const { return sightHeightUnitStr_; }
    QString twistUnitStr() const { return twistUnitStr_; }
    QString twistDirectionStr() const { return twistDirectionStr_; }
    QString scopeClickStr() const { return scopeClickStr_; }

    // Converted getters.
    double killZoneSI() const;         // m
    double maxRangeSI() const;         // m
    double pressureHPa() const;        // hPa, 1013 with the default pressure
    double altitudeSI() const;         // m
    double stationPressureHPa() const; // hPa, corrected for altitude when asked
    double windVelocitySI() const;     // m/s
    double windAngleRad() const;       // rad
    double temperatureCelsius() const; // degrees Celsius
    double upHillAngleRad() const;     // rad, negative downhill
    double sightHeightSI() const;      // m
    double twistSI() const;            // m per turn, negative for a left-hand twist
    double clickValueH() const;        // MOA per horizontal click
    double clickValueV() const;        // MOA per vertical click

public slots:
    void setLanguage(const QString& value);
    void setUnitSystem(int value);
    void setUseAngleDisplay(int value);
    void setKillZone(double value);
    void setKillZoneUnit(int value);
    void setMaxRange(int value);
    void setMaxRangeUnit(int value);
    void setAutoRange(bool value);
    void setIncludeSpinDrift(bool value);
    void setSaveDir(const QString& value);
    void setCardStep(int value);
    void setCardDisplayMOA(bool value);
    void setCardDisplayMils(bool value);
    void setCardDisplayClicks(bool value);
    void setUseDefaultPressure(bool value);
    void setBasePressure(double value);
    void setBasePressureUnit(int value);
    void setAltitudeCorrection(bool value);
    void setAltitude(double value);
    void setAltitudeUnit(int value);
    void setWindVelocity(double value);
    void setWindVelocityUnit(int value);
    void setWindAngle(int value);
    void setTemperature(double value);
    void setTemperatureUnit(int value);
    void setUpHillAngle(int value);
    void setUpHillDirection(int value);
    void setSightHeight(double value);
    void setSightHeightUnit(int value);
    void setTwist(double value);
    void setTwistUnit(int value);
    void setTwistDirection(int value);
    void setScopeClick(int value);
    void setManScopeDevH(double value);
    void setManScopeDevUnitH(int value);
    void setManScopeDistH(double value);
    void setManScopeDistUnitH(int value);
    void setManScopeDevV(double value);
    void setManScopeDevUnitV(int value);
    void setManScopeDistV(double value);
    void setManScopeDistUnitV(int value);

    // Display texts: held in memory only, never written, never signalled.
    void setKillZoneUnitStr(const QString& value) { killZoneUnitStr_ = value; }
    void setPressureUnitStr(const QString& value) { pressureUnitStr_ = value; }
    void setAltitudeUnitStr(const QString& value) { altitudeUnitStr_ = value; }
    void setWindVelocityUnitStr(const QString& value) { windVelocityUnitStr_ = value; }
    void setTemperatureUnitStr(const QString& value) { temperatureUnitStr_ = value; }
    void setUpHillDirectionStr(const QString& value) { upHillDirectionStr_ = value; }
    void setSightHeightUnitStr(const QString& value) { sightHeightUnitStr_ = value; }
    void setTwistUnitStr(const QString& value) { twistUnitStr_ = value; }
    void setTwistDirectionStr(const QString& value) { twistDirectionStr_ = value; }
    void setScopeClickStr(const QString& value) { scopeClickStr_ = value; }

signals:
    void languageChanged(QString);
    void unitSystemChanged(int);
    void useAngleDisplayChanged(int);
    void killZoneChanged(double);
    void killZoneUnitChanged(int);
    void maxRangeChanged(int);
    void maxRangeUnitChanged(int);
    void autoRangeChanged(bool);
    void includeSpinDriftChanged(bool);
    void cardStepChanged(int);
    void cardDisplayMOAChanged(bool);
    void cardDisplayMilsChanged(bool);
    void cardDisplayClicksChanged(bool);
    void useDefaultPressureChanged(bool);
    void basePressureChanged(double);
    void basePressureUnitChanged(int);
    void altitudeCorrectionChanged(bool);
    void altitudeChanged(double);
    void altitudeUnitChanged(int);
    void windVelocityChanged(double);
    void windVelocityUnitChanged(int);
    void windAngleChanged(int);
    void temperatureChanged(double);
    void temperatureUnitChanged(int);
    void upHillAngleChanged(int);
    void upHillDirectionChanged(int);
    void sightHeightChanged(double);
    void sightHeightUnitChanged(int);
    void twistChanged(double);
    void twistUnitChanged(int);
    void twistDirectionChanged(int);
    void scopeClickChanged(int);
    void manScopeDevHChanged(double);
    void manScopeDevUnitHChanged(int);
    void manScopeDistHChanged(double);
    void manScopeDistUnitHChanged(int);
    void manScopeDevVChanged(double);
    void manScopeDevUnitVChanged(int);
    void manScopeDistVChanged(double);
    void manScopeDistUnitVChanged(int);

private:
    template <typename T> using Signal = void (Settings::*)(T);

    // Pattern 1: compare, write, emit.
    template <typename T, typename S> void assignChanged(T& field, const T& value, const char* key, Signal<S> signal);
    // Pattern 2: compare exactly, write, emit only while not initialized.
    void assignDouble(double& field, double value, const char* key, Signal<double> signal);
    // Pattern 3: write and emit on every call.
    template <typename T> void assignAlways(T& field, const T& value, const char* key, Signal<T> signal);

    // Every write to the store goes through here.
    void write(const char* key, const QVariant& value);
    double customClickMoa(double deviation, int deviationUnit, double distance, int distanceUnit) const;

    std::unique_ptr<QSettings> store;
    bool initialized = false;
    bool saveScheduled = false;
    bool saveFailureReported = false;
    // The store file as last read back whole; no value when there was no file.
    std::optional<QByteArray> lastWholeStore;

    // Index fields start at -1, the other compared fields at a value no store holds (NaN
    // for doubles), so that the first initialize() counts every key as a change and signals it.
    static constexpr int notSet = -1;
    static constexpr int intNotSet = std::numeric_limits<int>::min();
    static constexpr double doubleNotSet = std::numeric_limits<double>::quiet_NaN();

    QString language_;
    int unitSystem_ = notSet;
    int useAngleDisplay_ = 0;
    double killZone_ = doubleNotSet;
    int killZoneUnit_ = notSet;
    int maxRange_ = intNotSet;
    int maxRangeUnit_ = notSet;
    bool autoRange_ = false;
    bool includeSpinDrift_ = false;
    QString saveDir_;
    int cardStep_ = intNotSet;
    bool cardDisplayMOA_ = false;
    bool cardDisplayMils_ = false;
    bool cardDisplayClicks_ = false;
    bool useDefaultPressure_ = false;
    double basePressure_ = doubleNotSet;
    int basePressureUnit_ = notSet;
    bool altitudeCorrection_ = false;
    double altitude_ = doubleNotSet;
    int altitudeUnit_ = notSet;
    double windVelocity_ = doubleNotSet;
    int windVelocityUnit_ = notSet;
    int windAngle_ = 0;
    double temperature_ = doubleNotSet;
    int temperatureUnit_ = notSet;
    int upHillAngle_ = intNotSet;
    int upHillDirection_ = notSet;
    double sightHeight_ = doubleNotSet;
    int sightHeightUnit_ = notSet;
    double twist_ = doubleNotSet;
    int twistUnit_ = notSet;
    int twistDirection_ = notSet;
    int scopeClick_ = notSet;
    double manScopeDevH_ = doubleNotSet;
    int manScopeDevUnitH_ = notSet;
    double manScopeDistH_ = doubleNotSet;
    int manScopeDistUnitH_ = notSet;
    double manScopeDevV_ = doubleNotSet;
    int manScopeDevUnitV_ = notSet;
    double manScopeDistV_ = doubleNotSet;
    int manScopeDistUnitV_ = notSet;

    QString killZoneUnitStr_;
    QString pressureUnitStr_;
    QString altitudeUnitStr_;
    QString windVelocityUnitStr_;
    QString temperatureUnitStr_;
    QString upHillDirectionStr_;
    QString sightHeightUnitStr_;
    QString twistUnitStr_;
    QString twistDirectionStr_;
    QString scopeClickStr_;
};
