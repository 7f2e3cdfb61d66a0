#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <array>
#include <memory>

class Settings;
class Shoot;

// ShootContainer owns the four loads and runs a computation: every active load is zeroed (at
// its own zero range, at the master's, or fired at the master's angle), integrated and given
// its range card; then one pair of series per load goes to the graph, and the info panels and
// range cards are told to refresh. It remembers the plot type and how the loads are zeroed
// together; neither is stored.
class ShootContainer : public QObject {
    Q_OBJECT

public:
    static constexpr int loadCount = 4;

    // What the graph shows (plotType()).
    enum PlotType {
        Drop = 1,
        Velocity = 2,
        Energy = 3,
        Time = 4,
        Drift = 5,
        Bend = 6,
    };

    // The program's container with its four loads, created on first use and never destroyed.
    static ShootContainer* instance();

    Shoot* GetShoot(int index) const;
    int plotType() const { return plotType_; }
    QString multiShootBehavior() const { return multiShootBehavior_; }
    int masterIndex() const { return masterIndex_; }

    // The indices of the trajectory series plotted as x and y for a plot type, unit system
    // (0 metric, other US) and angle display (0 none, 1 MOA, 2 mils). The y series of the time
    // plot starts at its second entry (timeOffset 1), so that both belong to the same states.
    struct SeriesChoice {
        int x;
        int y;
        int timeOffset;
    };
    static SeriesChoice seriesFor(int plotType, int unitSystem, int angleDisplay);

signals:
    // data points to two adjacent vectors, x then y, valid while the signal is delivered.
    void SendData(int index, QVector<double>* data);
    void SendDRx();
    void ComputeStart();
    void ComputeEnd();
    void SendMultiShootBehavior(QString behavior, int masterIndex);
    void sendCard();

public slots:
    void Compute();
    void setPlotType(int plotType);
    void SetPlotTypeDrop();
    void SetPlotTypeVelocity();
    void SetPlotTypeEnergy();
    void SetPlotTypeDrift();
    void SetPlotTypeTime();
    void SetPlotTypeBend();
    void SetMasterShoot(int index);
    void setMultiShootBehaviorIndep();
    void setMultiShootBehaviorZero();
    void setMultiShootBehaviorAngle();
    void ProcessShootManual(int index);

private:
    ShootContainer();

    std::array<std::unique_ptr<Shoot>, loadCount> loads;
    int plotType_ = 1;
    QString multiShootBehavior_ = "indep";
    int masterIndex_ = 0;
    Settings* settings;
};
