#include "loads/shootcontainer.h"

#include "ballistics/shoot.h"
#include "core/units.h"
#include "settings/settings.h"

#include <QDebug>

#include <limits>

namespace {

using Units::yardsPerMetre;

// Truncation toward zero; a distance that is not a number gives 0, one beyond int its bound.
int truncateToInt(double value)
{
    if (!(value == value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace

ShootContainer* ShootContainer::instance()
{
    static ShootContainer* const container = new ShootContainer;
    return container;
}

ShootContainer::ShootContainer()
    : settings(Settings::instance())
{
    for (int index = 0; index < loadCount; ++index)
        loads[std::size_t(index)] = std::make_unique<Shoot>(index);
}

Shoot* ShootContainer::GetShoot(int index) const
{
    if (index < 0 || index >= loadCount)
        return nullptr;
    return loads[std::size_t(index)].get();
}

ShootContainer::SeriesChoice ShootContainer::seriesFor(int plotType, int unitSystem, int angleDisplay)
{
    const bool metric = unitSystem == 0;
    SeriesChoice choice{metric ? 2 : 8, -1, 0};
    switch (plotType) {
    case Drop:
        choice.y = metric ? 3 : 9;
        if (angleDisplay == 1 || angleDisplay == 2) {
            // Angles go with the distances of the points whose angle is plotted.
            choice.x = metric ? 13 : 14;
            choice.y = angleDisplay == 1 ? 16 : 18;
        }
        break;
    case Velocity:
        choice.y = metric ? 4 : 10;
        break;
    case Energy:
        choice.y = metric ? 5 : 11;
        break;
    case Time:
        choice.y = 0;
        choice.timeOffset = 1;
        break;
    case Drift:
        choice.y = metric ? 1 : 7;
        if (angleDisplay == 1)
            choice.y = 15;
        else if (angleDisplay == 2)
            choice.y = 17;
        break;
    case Bend:
        choice.y = metric ? 6 : 12;
        break;
    default:
        break;
    }
    return choice;
}

void ShootContainer::Compute()
{
    qDebug().noquote() << "void ShootContainer::Compute()"
                       << "mode:" << multiShootBehavior_ << "| master index:" << masterIndex_;
    emit ComputeStart();

    Shoot* master = loads[std::size_t(masterIndex_)].get();
    if (multiShootBehavior_ == "zero" || multiShootBehavior_ == "angle") {
        qDebug().noquote() << "void ShootContainer::Compute()"
                           << "Computing trajectory for masterIndex" << masterIndex_;
        master->ComputeTrajectory();
    }
    const int masterZeroRange = master->zeroRange();
    const int masterZeroRangeUnit = master->zeroRangeUnit();
    const double masterAngle = master->shootAngle();

    for (int i = 0; i < loadCount; ++i) {
        Shoot* load = loads[std::size_t(i)].get();
        if (!load->active())
            continue;
        qDebug().noquote() << "void ShootContainer::Compute()"
                           << "Computing trajectory for shoot" << i << (load->active() ? "true" : "false");

        if (multiShootBehavior_ == "indep") {
            load->ComputeTrajectory();
        } else if (multiShootBehavior_ == "zero") {
            load->setZeroRange(masterZeroRange);
            load->setZeroRangeUnit(masterZeroRangeUnit);
            load->ComputeTrajectory();
        } else {
            // Fired at the master's angle, the load's zero range becomes its own far zero,
            // truncated to whole units of the master's unit (and kept within the zero ranges a
            // load can hold).
            load->ComputeTrajectoryFixedAngle(masterAngle);
            const double farZero = load->CharacteristicRanges(load->shootAngle()).value(1);
            const auto zeroRange
                = [](double range) { return truncateToInt(Shoot::bounded(Shoot::zeroRangeRange, range)); };
            if (masterZeroRangeUnit == 0) {
                load->setZeroRange(zeroRange(farZero));
                load->setZeroRangeUnit(0);
            } else {
                load->setZeroRange(zeroRange(farZero * yardsPerMetre));
                load->setZeroRangeUnit(1);
            }
        }
        master->setZeroRange(masterZeroRange);
        master->setZeroRangeUnit(masterZeroRangeUnit);

        load->ComputeRangeCard();

        const SeriesChoice choice = seriesFor(plotType_, settings->unitSystem(), settings->useAngleDisplay());
        QVector<double> pair[2];
        pair[0] = load->TrajectorySeries(choice.x);
        if (choice.y >= 0) {
            pair[1] = load->TrajectorySeries(choice.y);
            if (choice.timeOffset > 0 && !pair[1].isEmpty())
                pair[1].remove(0, choice.timeOffset);
        }
        emit SendData(i, pair);
    }

    emit SendDRx();
    emit sendCard();
    emit ComputeEnd();
}

void ShootContainer::setPlotType(int plotType)
{
    plotType_ = plotType;
}

void ShootContainer::SetPlotTypeDrop()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeDrop()";
    plotType_ = Drop;
    Compute();
}

void ShootContainer::SetPlotTypeVelocity()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeVelocity()";
    plotType_ = Velocity;
    Compute();
}

void ShootContainer::SetPlotTypeEnergy()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeEnergy()";
    plotType_ = Energy;
    Compute();
}

void ShootContainer::SetPlotTypeDrift()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeDrift()";
    plotType_ = Drift;
    Compute();
}

void ShootContainer::SetPlotTypeTime()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeTime()";
    plotType_ = Time;
    Compute();
}

void ShootContainer::SetPlotTypeBend()
{
    qDebug().noquote() << "void ShootContainer::SetPlotTypeBend()";
    plotType_ = Bend;
    Compute();
}

void ShootContainer::SetMasterShoot(int index)
{
    qDebug().noquote() << "void ShootContainer::SetMasterShoot(int)" << index;
    if (index < 0 || index >= loadCount)
        return;
    masterIndex_ = index;
    emit SendMultiShootBehavior(multiShootBehavior_, index);
}

void ShootContainer::setMultiShootBehaviorIndep()
{
    qDebug().noquote() << "void ShootContainer::setMultiShootBehaviorIndep()";
    multiShootBehavior_ = "indep";
    emit SendMultiShootBehavior(multiShootBehavior_, masterIndex_);
}

void ShootContainer::setMultiShootBehaviorZero()
{
    qDebug().noquote() << "void ShootContainer::setMultiShootBehaviorZero()";
    multiShootBehavior_ = "zero";
}

void ShootContainer::setMultiShootBehaviorAngle()
{
    qDebug().noquote() << "void ShootContainer::setMultiShootBehaviorAngle()";
    multiShootBehavior_ = "angle";
}

void ShootContainer::ProcessShootManual(int index)
{
    qDebug().noquote() << "void ShootContainer::ProcessShootManual(int)" << index;
    Shoot* load = GetShoot(index);
    if (!load)
        return;
    load->setOrigin("manual");
    load->setTitle(tr("Load") + " " + QString::number(index + 1));
}
