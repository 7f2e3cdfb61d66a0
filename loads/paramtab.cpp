#include "loads/paramtab.h"

#include "ballistics/shoot.h"
#include "database/dbselector.h"
#include "loads/shootcontainer.h"
#include "ui_paramtab.h"

#include <QDebug>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A box never shows fewer decimals than its number holds, up to this many.
constexpr int maxShownDecimals = 10;

int decimalsOf(double value)
{
    QString text = QString::number(value, 'f', maxShownDecimals);
    while (text.endsWith('0'))
        text.chop(1);
    const int point = text.indexOf('.');
    return point < 0 ? 0 : text.size() - point - 1;
}

void setRange(QSpinBox* box, const Shoot::Range& range)
{
    box->setRange(int(range.minimum), int(range.maximum));
}

void setRange(QDoubleSpinBox* box, const Shoot::Range& range)
{
    box->setRange(range.minimum, range.maximum);
}

// What the load sends is shown, never sent back: the box's own valueChanged would round the
// number to its decimals or clamp it to its range and store that as if typed. A number with
// more decimals than the box takes widens the box until the load sends another; what the user
// types goes to the load as before.
void showValue(QSpinBox* box, int value)
{
    const QSignalBlocker blocker(box);
    box->setValue(value);
}

void showValue(QDoubleSpinBox* box, int ownDecimals, double value)
{
    const QSignalBlocker blocker(box);
    box->setDecimals(std::max(ownDecimals, decimalsOf(value)));
    box->setValue(value);
}

} // namespace

ParamTab::ParamTab(int index, DBselector* dbSelector, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ParamTab>())
    , index(index)
    , container(ShootContainer::instance())
    , dbSelector(dbSelector)
{
    ui->setupUi(this);
    // No selection at first, so that the first value the load sends always counts as a change.
    for (QComboBox* list : {ui->comboBox_unitV0, ui->comboBox_unitCaliber, ui->comboBox_Model, ui->comboBox_unitLength,
             ui->comboBox_unitWeight, ui->comboBox_unitZR})
        list->setCurrentIndex(-1);

    // The boxes hold the ranges within which the load keeps what it reads.
    setRange(ui->spinBox_V0, Shoot::muzzleVelocityRange);
    setRange(ui->spinBox_caliber, Shoot::caliberRange);
    setRange(ui->spinBox_BC, Shoot::coefficientRange);
    setRange(ui->spinBox_length, Shoot::lengthRange);
    setRange(ui->spinBox_weight, Shoot::weightRange);
    setRange(ui->spinBox_ZR, Shoot::zeroRangeRange);

    Shoot* load = container->GetShoot(index);

    // The load sets the widgets.
    const auto showIn = [this](QDoubleSpinBox* box) {
        return [box, decimals = box->decimals()](double value) { showValue(box, decimals, value); };
    };
    connect(load, &Shoot::activeChanged, ui->checkBox_activated, &QCheckBox::setChecked);
    connect(load, &Shoot::originChanged, this, &ParamTab::switchOrigin);
    connect(load, &Shoot::muzzleVelocityChanged, this, [this](int value) { showValue(ui->spinBox_V0, value); });
    connect(load, &Shoot::muzzleVelocityUnitChanged, ui->comboBox_unitV0, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::weightChanged, this, showIn(ui->spinBox_weight));
    connect(load, &Shoot::weightUnitChanged, ui->comboBox_unitWeight, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::caliberChanged, this, showIn(ui->spinBox_caliber));
    connect(load, &Shoot::caliberUnitChanged, ui->comboBox_unitCaliber, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::lengthChanged, this, showIn(ui->spinBox_length));
    connect(load, &Shoot::lengthUnitChanged, ui->comboBox_unitLength, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::BCchanged, this, showIn(ui->spinBox_BC));
    connect(load, &Shoot::BCchanged, this, &ParamTab::describeBands);
    connect(load, &Shoot::gModelChanged, ui->comboBox_Model, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::zeroRangeChanged, this, [this](int value) { showValue(ui->spinBox_ZR, value); });
    connect(load, &Shoot::zeroRangeUnitChanged, ui->comboBox_unitZR, &QComboBox::setCurrentIndex);
    connect(load, &Shoot::noteChanged, ui->plainTextEdit_note, &QPlainTextEdit::setPlainText);
    connect(load, &Shoot::lengthNeedsCheckChanged, this, &ParamTab::markLength);
    markLength(load->lengthNeedsCheck());

    // The widgets call the load's setters.
    const auto index_changed = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(ui->checkBox_activated, &QCheckBox::toggled, load, &Shoot::setActive);
    connect(ui->spinBox_V0, qOverload<int>(&QSpinBox::valueChanged), load, &Shoot::setMuzzleVelocity);
    connect(ui->comboBox_unitV0, index_changed, load, &Shoot::setMuzzleVelocityUnit);
    connect(ui->spinBox_weight, qOverload<double>(&QDoubleSpinBox::valueChanged), load, &Shoot::setWeight);
    connect(ui->comboBox_unitWeight, index_changed, load, &Shoot::setWeightUnit);
    connect(ui->spinBox_caliber, qOverload<double>(&QDoubleSpinBox::valueChanged), load, &Shoot::setCaliber);
    connect(ui->comboBox_unitCaliber, index_changed, load, &Shoot::setCaliberUnit);
    connect(ui->spinBox_length, qOverload<double>(&QDoubleSpinBox::valueChanged), load, [load](double length) {
        load->setLength(length);
        load->setLengthNeedsCheck(false);
    });
    connect(ui->comboBox_unitLength, index_changed, load, &Shoot::setLengthUnit);
    connect(ui->spinBox_BC, qOverload<double>(&QDoubleSpinBox::valueChanged), load, &Shoot::setBC);
    connect(ui->spinBox_BC, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &ParamTab::describeBands);
    connect(ui->comboBox_Model, index_changed, load, &Shoot::setGModel);
    connect(ui->spinBox_ZR, qOverload<int>(&QSpinBox::valueChanged), load, &Shoot::setZeroRange);
    connect(ui->comboBox_unitZR, index_changed, load, &Shoot::setZeroRangeUnit);
    connect(ui->comboBox_unitV0, &QComboBox::currentTextChanged, load, &Shoot::setMuzzleVelocityUnitStr);
    connect(ui->comboBox_unitWeight, &QComboBox::currentTextChanged, load, &Shoot::setWeightUnitStr);
    connect(ui->comboBox_unitCaliber, &QComboBox::currentTextChanged, load, &Shoot::setCaliberUnitStr);
    connect(ui->comboBox_unitLength, &QComboBox::currentTextChanged, load, &Shoot::setLengthUnitStr);
    connect(ui->comboBox_Model, &QComboBox::currentTextChanged, load, &Shoot::setGModelStr);
    connect(ui->comboBox_unitZR, &QComboBox::currentTextChanged, load, &Shoot::setZeroRangeUnitStr);
}

ParamTab::~ParamTab() = default;

void ParamTab::switchOrigin(QString origin)
{
    const QList<QWidget*> bulletFields = {ui->spinBox_BC, ui->spinBox_weight, ui->comboBox_unitWeight,
        ui->comboBox_Model, ui->spinBox_caliber, ui->comboBox_unitCaliber};
    if (origin == "manual") {
        for (QWidget* field : bulletFields)
            field->setEnabled(true);
        ui->spinBox_length->setEnabled(true);
        ui->comboBox_unitLength->setEnabled(true);
    } else if (origin == "db") {
        for (QWidget* field : bulletFields)
            field->setEnabled(false);
    }
}

void ParamTab::describeBands()
{
    // The box shows the first coefficient; a load of several bands lists them all.
    const Shoot* load = container->GetShoot(index);
    const QList<double> coefficients = load->BCList();
    const QList<double> velMins = load->velMinList();
    QStringList bands;
    for (int band = 0; band < coefficients.size() && coefficients.size() > 1; ++band)
        bands << tr("%1 above %2 ft/s").arg(QString::number(coefficients[band]), QString::number(velMins.value(band)));
    ui->spinBox_BC->setToolTip(bands.isEmpty() ? QString() : tr("Coefficients by velocity:") + "\n" + bands.join('\n'));
}

void ParamTab::markLength(bool needsCheck)
{
    ui->label_lengthCheck->setVisible(needsCheck);
    const QString why = needsCheck ? ui->label_lengthCheck->text() : QString();
    ui->spinBox_length->setToolTip(why);
    ui->spinBox_length->setStatusTip(why);
    ui->spinBox_length->setStyleSheet(
        needsCheck ? QStringLiteral("QDoubleSpinBox { background-color: #ffe08a; color: black; }") : QString());
}

void ParamTab::on_pushButton_selectFromDB_clicked()
{
    qDebug().noquote() << "void ParamTab::on_pushButton_selectFromDB_clicked()" << index;
    if (dbSelector)
        dbSelector->ProcessRequestBulletDB(index);
}

void ParamTab::on_pushButton_setManual_clicked()
{
    qDebug().noquote() << "void ParamTab::on_pushButton_setManual_clicked()" << index;
    container->ProcessShootManual(index);
}

void ParamTab::on_plainTextEdit_note_textChanged()
{
    container->GetShoot(index)->setNote(ui->plainTextEdit_note->toPlainText());
}

void ParamTab::disableZeroRange()
{
    ui->spinBox_ZR->setEnabled(false);
    ui->comboBox_unitZR->setEnabled(false);
}

void ParamTab::enableZeroRange()
{
    ui->spinBox_ZR->setEnabled(true);
    ui->comboBox_unitZR->setEnabled(true);
}
