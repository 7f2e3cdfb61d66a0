#pragma once

#include "ballistics/trajectorystate.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class QSettings;
class Settings;

// Shoot is one load (a projectile with its muzzle data) and its trajectory solver.
//
// Fields are kept in the unit the user chose; the SI getters convert them. Every persisted
// field lives in the per-user store under "shoot/<id>/<field>" and is written by its setter at
// once (a scratch load, made for a side calculation, writes nothing).
//
// The solver works in the line-of-sight frame (x along the line of sight from the sight, y
// across it, upwards positive; metres, seconds) with a fixed-step fourth-order Runge-Kutta
// integration (0.5 ms) of a point mass under drag and gravity. Drag follows the G1, G2, G5, G6,
// G7 or G8 model as velocity-band power laws in ft/s, scaled by the ballistic coefficient of
// the speed band and by one air-density factor from the station pressure and temperature.
// Wind and spin drift are lateral and come from closed formulas beside the integration.
//
// The public force-model operations (Retardation, BCAtVelocity, AccelX, AccelY, RungeKuttaStep)
// read the settings at every call. A computation takes one snapshot of the settings and the
// load instead (nothing changes them while it runs) and evaluates the drag law once per
// Runge-Kutta stage for both components: the numbers are the same to the last bit.
class Shoot : public QObject {
    Q_OBJECT

public:
    enum class Storage {
        Persistent, // every setter writes the store
        Scratch,    // nothing is ever written (side calculations)
    };

    static constexpr int trajectorySeriesCount = 19;
    static constexpr int cardSeriesCount = 24;
    static constexpr double timeStepS = 0.0005;

    // The numbers a load page can show, in the unit of each field. A value read from the store
    // (a parameter file, the last session) or taken from a bullet database outside its range is
    // brought into it by the load, once, where it is read; the page then shows what the load
    // computes with. Coefficients are each kept within coefficientRange.
    struct Range {
        double minimum;
        double maximum;
    };
    static constexpr Range muzzleVelocityRange{30.0, 6000.0};
    static constexpr Range caliberRange{0.05, 20.0};
    static constexpr Range coefficientRange{0.0, 2.0};
    static constexpr Range lengthRange{0.1, 50.0};
    static constexpr Range weightRange{3.0, 900.0};
    // Every zero range the program gives a load: the far zero of "Same Angle" within the
    // largest maximum range.
    static constexpr Range zeroRangeRange{0.0, 4000.0};
    // value within range; a value that is not a number gives the minimum.
    static double bounded(const Range& range, double value);
    // Coefficient bands a load keeps at most (the bullet databases have five at most).
    static constexpr int maxCoefficientBands = 100;

    Shoot(int id, QObject* parent = nullptr, Storage storage = Storage::Persistent);
    ~Shoot() override;

    int id() const { return id_; }
    QString title() const { return title_; }
    QString origin() const { return origin_; }
    bool active() const { return active_; }
    double weight() const { return weight_; }
    int weightUnit() const { return weightUnit_; }
    int muzzleVelocity() const { return muzzleVelocity_; }
    int muzzleVelocityUnit() const { return muzzleVelocityUnit_; }
    double caliber() const { return caliber_; }
    int caliberUnit() const { return caliberUnit_; }
    double length() const { return length_; }
    int lengthUnit() const { return lengthUnit_; }
    int gModel() const { return gModel_; }
    int zeroRange() const { return zeroRange_; }
    int zeroRangeUnit() const { return zeroRangeUnit_; }
    double shootAngle() const { return shootAngle_; }
    QString note() const { return note_; }
    // True after a database bullet without a length was taken: the length is the one the load
    // had before and the user should check it. False again once the user edits the length.
    bool lengthNeedsCheck() const { return lengthNeedsCheck_; }
    QList<double> BCList() const { return BCList_; }
    QList<double> velMinList() const { return velMinList_; }
    QString weightUnitStr() const { return weightUnitStr_; }
    QString muzzleVelocityUnitStr() const { return muzzleVelocityUnitStr_; }
    QString caliberUnitStr() const { return caliberUnitStr_; }
    QString lengthUnitStr() const { return lengthUnitStr_; }
    QString GModelStr() const { return GModelStr_; }
    QString zeroRangeUnitStr() const { return zeroRangeUnitStr_; }

    // SI getters: index 0 is the first unit of each list, any other index the second.
    double weightKg() const;
    double muzzleVelocityMs() const;
    double caliberM() const;
    double lengthM() const;
    double zeroRangeM() const;

    // Force model (speeds in m/s).
    double Retardation(double speed) const; // 1/s: drag deceleration at BC 1 over speed
    double BCAtVelocity(double speed) const;
    double AccelX(const TrajectoryState& state) const; // m/s² along the line of sight
    double AccelY(const TrajectoryState& state) const; // m/s² across it, upwards positive
    double GravityX() const;                           // m/s² along the slope
    double GravityY() const;                           // m/s² across the slope

    // Integration.
    TrajectoryState RungeKuttaStep(const TrajectoryState& state, double h) const;
    bool KeepIntegrating() const;
    double SpinDrift(double stabilityFactor, double timeS) const; // m, before the twist sign

    // Computations.
    void ComputeTrajectory();
    void ComputeTrajectoryFixedAngle(double angleDeg);
    void ComputeTrajectoryAfterAngle();
    void ComputeRangeCard();
    double Theta(double zeroRangeM);
    QList<double> CharacteristicRanges(double angleDeg) const;
    double AngleForPeakHeight(double peakHeightM) const;
    QList<double> PointBlankRanges();
    double VelocityAtDistance(double distanceM) const;
    // Height above the line of sight (m) at a distance along it, for a load fired at angleDeg:
    // the flight of ComputeTrajectoryFixedAngle, followed to that distance whatever the range
    // settings (NaN when the bullet does not get there).
    double HeightAtDistance(double angleDeg, double distanceM) const;

    // Gyroscopic stability factor from the weight, calibre, length and the rifle's twist, as the
    // spin drift uses it (not finite when a dimension is missing).
    double GyroscopicStability() const { return stabilityFactor(); }

    // Results of the last computation.
    QVector<double> TrajectorySeries(int index) const;
    QVector<double> CardSeries(int index) const;
    const std::vector<TrajectoryState>& States() const { return states; }

    // The fields a load keeps in the store, under "shoot/<id>/<field>".
    static QStringList storedFields();

    // Re-reads every field of this load from the store (after a parameter file was copied in,
    // and at start). A hand-typed load is always titled "Load <n>"; a missing key takes its
    // default and a value that does not read as a number gives 0. Whole-number fields read
    // "850.0" as 850 (a fraction is truncated toward zero); numbers outside the range of their
    // box are brought into it, and the store then holds what the load computes with.
    void restoreFromSettings();

    // True when the coefficient lists give a positive, finite coefficient at every speed;
    // a load without one is not integrated (its series stay empty).
    bool hasUsableCoefficients() const;

    // Why this load cannot be integrated (a coefficient, the muzzle velocity or the air density
    // is unusable), as the warning shows it; empty when it can.
    QString inputProblem() const;

public slots:
    void setTitle(QString title);
    void setOrigin(QString origin);
    void setActive(bool active);
    void setWeight(double weight);
    void setWeightUnit(int weightUnit);
    void setMuzzleVelocity(int muzzleVelocity);
    void setMuzzleVelocityUnit(int muzzleVelocityUnit);
    void setCaliber(double caliber);
    void setCaliberUnit(int caliberUnit);
    void setLength(double length);
    void setLengthUnit(int lengthUnit);
    void setGModel(int gModel);
    void setZeroRange(int zeroRange);
    void setZeroRangeUnit(int zeroRangeUnit);
    void setBC(double BC);
    void setBCMulti(QList<double> i_velMinList, QList<double> i_BCList);
    void setWeightUnitStr(QString weightUnitStr) { weightUnitStr_ = weightUnitStr; }
    void setMuzzleVelocityUnitStr(QString muzzleVelocityUnitStr) { muzzleVelocityUnitStr_ = muzzleVelocityUnitStr; }
    void setCaliberUnitStr(QString caliberUnitStr) { caliberUnitStr_ = caliberUnitStr; }
    void setLengthUnitStr(QString lengthUnitStr) { lengthUnitStr_ = lengthUnitStr; }
    void setGModelStr(QString GModelStr) { GModelStr_ = GModelStr; }
    void setZeroRangeUnitStr(QString zeroRangeUnitStr) { zeroRangeUnitStr_ = zeroRangeUnitStr; }
    void setNote(QString note);
    void setLengthNeedsCheck(bool lengthNeedsCheck);

signals:
    void titleChanged(int, QString);
    void originChanged(QString);
    void activeChanged(bool);
    void weightChanged(double);
    void weightUnitChanged(int);
    void muzzleVelocityChanged(int);
    void muzzleVelocityUnitChanged(int);
    void caliberChanged(double);
    void caliberUnitChanged(int);
    void lengthChanged(double);
    void lengthUnitChanged(int);
    void gModelChanged(int);
    void zeroRangeChanged(int);
    void zeroRangeUnitChanged(int);
    void BCchanged(double);
    void noteChanged(QString);
    void lengthNeedsCheckChanged(bool);

private:
    struct ForceModel;
    struct Probe;

    ForceModel forceModel(double gX, double gY) const;
    TrajectoryState step(const ForceModel& model, const TrajectoryState& state, double h) const;
    QList<double> characteristicRanges(const ForceModel& model, double angleDeg, const Probe& probe) const;
    double stabilityFactor() const;
    double fastestDragRate(const ForceModel& model) const; // 1/s
    QString dragTooStrongText() const;
    void clearResults();
    bool readyToIntegrate();
    void computeBend(const std::vector<TrajectoryState>& path, std::vector<double>& bend) const;

    void write(const char* field, const QVariant& value);
    template <typename T, typename S>
    bool assignChanged(T& field, const T& value, const char* key, void (Shoot::*signal)(S));
    template <typename T, typename S>
    void assignQuiet(T& field, const T& value, const char* key, void (Shoot::*signal)(S));
    void writeCoefficientLists();
    void rewriteStoredNumbers();

    Settings* settings;
    std::unique_ptr<QSettings> store; // null for a scratch load
    int id_;
    QString title_;
    QString origin_;
    bool active_ = false;
    double weight_ = 0.0;
    int weightUnit_ = -1;
    int muzzleVelocity_ = 0;
    int muzzleVelocityUnit_ = -1;
    double caliber_ = 0.0;
    int caliberUnit_ = -1;
    double length_ = 0.0;
    int lengthUnit_ = -1;
    int gModel_ = -1;
    int zeroRange_ = 0;
    int zeroRangeUnit_ = -1;
    QList<double> BCList_;
    QList<double> velMinList_;
    double gY = 9.81;
    double gX = 0.0;
    double shootAngle_ = 0.0;
    QString note_;
    bool lengthNeedsCheck_ = false;
    QString weightUnitStr_;
    QString muzzleVelocityUnitStr_;
    QString caliberUnitStr_;
    QString lengthUnitStr_;
    QString GModelStr_;
    QString zeroRangeUnitStr_;
    std::vector<TrajectoryState> states;
    std::vector<QVector<double>> trajectorySeries;
    std::vector<QVector<double>> cardSeries;
    std::vector<double> totalDrift;
    std::vector<double> windDrift;
    std::vector<double> spinDrift;
    TrajectoryState current;
};
