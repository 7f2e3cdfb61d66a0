#include "ballistics/shoot.h"

#include "ballistics/coefficientlist.h"
#include "ballistics/shootinternal.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPair>
#include <QSettings>

Shoot::Shoot(int id, QObject* parent, Storage storage)
    : QObject(parent)
    , settings(Settings::instance())
    , store(storage == Storage::Persistent ? std::make_unique<QSettings>() : nullptr)
    , id_(id)
    , trajectorySeries(trajectorySeriesCount)
    , cardSeries(cardSeriesCount)
{
    qDebug().noquote() << "Shoot::Shoot(int, QObject*)" << id;
}

Shoot::~Shoot() = default;

// ---------------------------------------------------------------------------------------------
// Fields and store

void Shoot::write(const char* field, const QVariant& value)
{
    if (!store)
        return;
    store->setValue(QString("shoot/%1/%2").arg(id_).arg(field), value);
    settings->scheduleSave();
}

template <typename T, typename S>
bool Shoot::assignChanged(T& field, const T& value, const char* key, void (Shoot::*signal)(S))
{
    if (field == value)
        return false;
    field = value;
    write(key, value);
    if (signal)
        emit(this->*signal)(value);
    return true;
}

template <typename T, typename S>
void Shoot::assignQuiet(T& field, const T& value, const char* key, void (Shoot::*signal)(S))
{
    if (field == value)
        return;
    field = value;
    write(key, value);
    if (!settings->isInitialized())
        emit(this->*signal)(value);
}

void Shoot::setTitle(QString title)
{
    if (title_ == title)
        return;
    title_ = title;
    write("title", title);
    emit titleChanged(id_, title);
}

void Shoot::setOrigin(QString origin)
{
    assignChanged(origin_, origin, "origin", &Shoot::originChanged);
}

void Shoot::setActive(bool active)
{
    active_ = active;
    write("active", active);
    emit activeChanged(active);
}

void Shoot::setWeight(double weight)
{
    assignQuiet(weight_, weight, "weight", &Shoot::weightChanged);
}

void Shoot::setWeightUnit(int weightUnit)
{
    assignChanged(weightUnit_, weightUnit, "weightUnit", &Shoot::weightUnitChanged);
}

void Shoot::setMuzzleVelocity(int muzzleVelocity)
{
    assignChanged(muzzleVelocity_, muzzleVelocity, "muzzleVelocity", &Shoot::muzzleVelocityChanged);
}

void Shoot::setMuzzleVelocityUnit(int muzzleVelocityUnit)
{
    assignChanged(muzzleVelocityUnit_, muzzleVelocityUnit, "muzzleVelocityUnit", &Shoot::muzzleVelocityUnitChanged);
}

void Shoot::setCaliber(double caliber)
{
    assignQuiet(caliber_, caliber, "caliber", &Shoot::caliberChanged);
}

void Shoot::setCaliberUnit(int caliberUnit)
{
    assignChanged(caliberUnit_, caliberUnit, "caliberUnit", &Shoot::caliberUnitChanged);
}

void Shoot::setLength(double length)
{
    assignQuiet(length_, length, "length", &Shoot::lengthChanged);
}

void Shoot::setLengthUnit(int lengthUnit)
{
    assignChanged(lengthUnit_, lengthUnit, "lengthUnit", &Shoot::lengthUnitChanged);
}

void Shoot::setGModel(int gModel)
{
    assignChanged(gModel_, gModel, "gModel", &Shoot::gModelChanged);
}

void Shoot::setZeroRange(int zeroRange)
{
    assignChanged(zeroRange_, zeroRange, "zeroRange", &Shoot::zeroRangeChanged);
}

void Shoot::setZeroRangeUnit(int zeroRangeUnit)
{
    assignChanged(zeroRangeUnit_, zeroRangeUnit, "zeroRangeUnit", &Shoot::zeroRangeUnitChanged);
}

void Shoot::setNote(QString note)
{
    assignQuiet(note_, note, "note", &Shoot::noteChanged);
}

void Shoot::setLengthNeedsCheck(bool lengthNeedsCheck)
{
    assignChanged(lengthNeedsCheck_, lengthNeedsCheck, "lengthNeedsCheck", &Shoot::lengthNeedsCheckChanged);
}

double Shoot::bounded(const Range& range, double value)
{
    if (std::isnan(value))
        return range.minimum;
    return std::clamp(value, range.minimum, range.maximum);
}

void Shoot::writeCoefficientLists()
{
    write("BCmultiBC", CoefficientList::format(BCList_));
    write("BCmultiV", CoefficientList::format(velMinList_));
}

void Shoot::setBC(double BC)
{
    if (BCList_.size() == 1 && BCList_.first() == BC)
        return;
    // A database load keeps its coefficient bands; only setBCMulti changes them.
    if (origin_ == "db")
        return;
    BCList_ = {BC};
    velMinList_ = {0.0};
    writeCoefficientLists();
    if (!settings->isInitialized())
        emit BCchanged(BC);
}

void Shoot::setBCMulti(QList<double> i_velMinList, QList<double> i_BCList)
{
    // Pairs are formed in order; entries of the longer list without a partner are dropped,
    // and lists that form no pair at all leave the load as it is.
    int pairs = std::min(i_velMinList.size(), i_BCList.size());
    if (pairs == 0)
        return;
    if (pairs > maxCoefficientBands) {
        Messages::warning(QCoreApplication::translate("QObject", "Warning"),
            QCoreApplication::translate(
                "QObject", "The load %1 has %2 ballistic coefficient bands: only the first %3 are kept.")
                .arg(title_)
                .arg(pairs)
                .arg(maxCoefficientBands));
        pairs = maxCoefficientBands;
    }
    velMinList_ = i_velMinList.mid(0, pairs);
    BCList_ = i_BCList.mid(0, pairs);
    writeCoefficientLists();
    emit BCchanged(BCList_.first());
}

QStringList Shoot::storedFields()
{
    return {"active", "origin", "title", "muzzleVelocity", "muzzleVelocityUnit", "weight", "weightUnit", "caliber",
        "caliberUnit", "length", "lengthUnit", "BCmultiBC", "BCmultiV", "gModel", "zeroRange", "zeroRangeUnit", "note",
        "lengthNeedsCheck"};
}

void Shoot::restoreFromSettings()
{
    if (!store)
        return;
    const QString prefix = QString("shoot/%1/").arg(id_);
    const auto value
        = [&](const char* field, const QVariant& fallback) { return store->value(prefix + field, fallback); };
    const auto number = [&](const char* field, double fallback) {
        const double read = value(field, fallback).toDouble();
        return std::isfinite(read) ? read : 0.0;
    };
    const auto within = [&](const char* field, double fallback, const Range& range) {
        return bounded(range, number(field, fallback));
    };
    // "850.0" is 850 and "650.5" is 650, as the settings read their whole numbers.
    const auto whole = [&](const char* field, double fallback, const Range& range) {
        return int(std::trunc(within(field, fallback, range)));
    };
    const auto index = [&](const char* field) {
        return int(std::trunc(std::clamp(number(field, 0.0), -1.0, double(std::numeric_limits<int>::max()))));
    };

    settings->setInitialized(false);
    setActive(value("active", false).toBool());
    setOrigin(value("origin", "manual").toString());
    const QString defaultTitle = tr("Load") + " " + QString::number(id_ + 1);
    setTitle(origin_ == "manual" ? defaultTitle : value("title", defaultTitle).toString());
    setMuzzleVelocity(whole("muzzleVelocity", 850, muzzleVelocityRange));
    setMuzzleVelocityUnit(index("muzzleVelocityUnit"));
    setWeight(within("weight", 100.0, weightRange));
    setWeightUnit(index("weightUnit"));
    setCaliber(within("caliber", 0.224, caliberRange));
    setCaliberUnit(index("caliberUnit"));
    setLength(within("length", 0.8, lengthRange));
    setLengthUnit(index("lengthUnit"));
    QList<double> coefficients = CoefficientList::parse(value("BCmultiBC", "0.75").toString());
    for (double& coefficient : coefficients)
        coefficient = bounded(coefficientRange, coefficient);
    const QList<double> velMins = CoefficientList::parse(value("BCmultiV", "0").toString());
    setBCMulti(velMins, coefficients);
    setGModel(index("gModel"));
    setZeroRange(whole("zeroRange", 200, zeroRangeRange));
    setZeroRangeUnit(index("zeroRangeUnit"));
    setNote(value("note", QString()).toString());
    setLengthNeedsCheck(value("lengthNeedsCheck", false).toBool());
    rewriteStoredNumbers();
    settings->setInitialized(true);
}

void Shoot::rewriteStoredNumbers()
{
    // A setter writes only what changes the field: a stored "850.0", or a zero range of 5000
    // read as 4000 by a load already at 4000, would stay in the store, and so in the next
    // parameter file, though the load computes with another number.
    const QString prefix = QString("shoot/%1/").arg(id_);
    const QList<QPair<const char*, QVariant>> numbers = {{"muzzleVelocity", muzzleVelocity_},
        {"muzzleVelocityUnit", muzzleVelocityUnit_}, {"weight", weight_}, {"weightUnit", weightUnit_},
        {"caliber", caliber_}, {"caliberUnit", caliberUnit_}, {"length", length_}, {"lengthUnit", lengthUnit_},
        {"gModel", gModel_}, {"zeroRange", zeroRange_}, {"zeroRangeUnit", zeroRangeUnit_}};
    for (const auto& [field, number] : numbers) {
        const QString key = prefix + field;
        if (store->contains(key) && store->value(key).toString() != number.toString())
            store->setValue(key, number);
    }
}

// ---------------------------------------------------------------------------------------------
// SI getters

double Shoot::weightKg() const
{
    return weightUnit_ == 0 ? weight_ * grainsToGrams / 1000.0 : weight_ / 1000.0;
}

double Shoot::muzzleVelocityMs() const
{
    const double velocity = muzzleVelocity_;
    return muzzleVelocityUnit_ == 0 ? velocity : velocity * metresPerFoot;
}

double Shoot::caliberM() const
{
    return caliberUnit_ == 0 ? caliber_ * centimetresPerInch / 100.0 : caliber_ / 1000.0;
}

double Shoot::lengthM() const
{
    return lengthUnit_ == 0 ? length_ * centimetresPerInch / 100.0 : length_ / 1000.0;
}

double Shoot::zeroRangeM() const
{
    const double range = zeroRange_;
    return zeroRangeUnit_ == 0 ? range : range / yardsPerMetre;
}
