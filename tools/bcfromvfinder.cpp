#include "tools/bcfromvfinder.h"

#include "app/messages.h"
#include "settings/settings.h"
#include "tools/bcfinder.h"
#include "ui_bcfromvfinder.h"

#include <QDebug>
#include <QPushButton>

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

    const BcFinder::Result result = BcFinder::find(input);
    ui->label_BC->setText(BcFinder::coefficientText(result, ui->comboBox_Model->currentText()));
    ui->label_Vmouth->setText(
        BcFinder::muzzleVelocityText(result, input.velocityUnit, ui->comboBox_unitVel->currentText()));
    if (!result.found)
        Messages::warning(QObject::tr("Warning"), QObject::tr("Unable to find a valid solution"));
}
