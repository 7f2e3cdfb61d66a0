#include "tools/bcfromvfinder.h"

#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"
#include "tools/bcfinder.h"
#include "tools/truingdialog.h"
#include "ui_bcfromvfinder.h"

#include <QComboBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>

#include <cmath>

BCfromVFinder::BCfromVFinder(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::BCfromVFinder>())
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Close"));
    const int units = Settings::instance()->unitSystem() == 0 ? 0 : 1;
    ui->comboBox_unitRange->setCurrentIndex(units);
    ui->comboBox_unitVel->setCurrentIndex(units);
    ui->comboBox_Model->setCurrentIndex(0);

    // Under the results: the load that takes them.
    auto* applyRow = new QHBoxLayout;
    loadList = TruingDialog::newLoadList(0, this);
    applyButton = new QPushButton(tr("Apply to load"), this);
    applyButton->setObjectName("pushButton_apply");
    applyButton->setEnabled(false);
    applyRow->addWidget(applyButton);
    applyRow->addWidget(loadList);
    applyRow->addStretch(1);
    ui->gridLayout->addLayout(applyRow, 5, 0, 1, ui->gridLayout->columnCount());
    connect(applyButton, &QPushButton::clicked, this, &BCfromVFinder::applyToLoad);
}

BCfromVFinder::~BCfromVFinder() = default;

void BCfromVFinder::on_pushButton_calculate_pressed()
{
    qDebug().noquote() << "void BCfromVFinder::on_pushButton_calculate_pressed()";
    BcFinder::Input input;
    input.rangeNear = ui->doubleSpinBox_rangeNear->value();
    input.velocityNear = ui->doubleSpinBox_VelNear->value();
    input.rangeFar = ui->doubleSpinBox_rangeFar->value();
    input.velocityFar = ui->doubleSpinBox_VelFar->value();
    input.rangeUnit = ui->comboBox_unitRange->currentIndex();
    input.velocityUnit = ui->comboBox_unitVel->currentIndex();
    input.model = ui->comboBox_Model->currentIndex();

    result = BcFinder::find(input);
    resultInput = input;
    applyButton->setEnabled(result.found);
    ui->label_BC->setText(BcFinder::coefficientText(result, ui->comboBox_Model->currentText()));
    ui->label_Vmouth->setText(
        BcFinder::muzzleVelocityText(result, input.velocityUnit, ui->comboBox_unitVel->currentText()));
    if (!result.found)
        Messages::warning(QObject::tr("Warning"), QObject::tr("Unable to find a valid solution"));
}

void BCfromVFinder::applyToLoad()
{
    if (!result.found)
        return;
    Shoot* load = ShootContainer::instance()->GetShoot(loadList->currentIndex());
    qDebug().noquote() << "void BCfromVFinder::applyToLoad()" << load->id();
    // The load keeps whole velocities, in the unit the readings were taken in.
    const double perUnit = resultInput.velocityUnit == 0 ? 1.0 : 0.3048;
    load->setGModel(resultInput.model);
    load->setBCMulti({0.0}, {result.ballisticCoefficient});
    load->setMuzzleVelocityUnit(resultInput.velocityUnit == 0 ? 0 : 1);
    load->setMuzzleVelocity(int(std::lround(result.muzzleVelocityMs / perUnit)));
}
