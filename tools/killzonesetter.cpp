#include "tools/killzonesetter.h"

#include "settings/settings.h"
#include "ui_killzonesetter.h"

#include <QDebug>
#include <QPushButton>

KillZoneSetter::KillZoneSetter(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::KillZoneSetter>())
    , settings(Settings::instance())
{
    ui->setupUi(this);
    ui->comboBox_killZoneValue_unit->setCurrentIndex(-1);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(settings, &Settings::killZoneChanged, ui->doubleSpinBox_killZoneValue, &QDoubleSpinBox::setValue);
    connect(settings, &Settings::killZoneUnitChanged, this, &KillZoneSetter::setUnit);
    // After the form's accept(): the dialog closes first, then the values are taken.
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &KillZoneSetter::SelectKillZone);
}

KillZoneSetter::~KillZoneSetter() = default;

void KillZoneSetter::setUnit(int unitIndex)
{
    ui->comboBox_killZoneValue_unit->setCurrentIndex(unitIndex);
    settings->setKillZoneUnitStr(ui->comboBox_killZoneValue_unit->currentText());
}

void KillZoneSetter::SelectKillZone()
{
    qDebug().noquote() << "void KillZoneSetter::SelectKillZone()";
    settings->setKillZone(ui->doubleSpinBox_killZoneValue->value());
    settings->setKillZoneUnit(ui->comboBox_killZoneValue_unit->currentIndex());
    settings->setKillZoneUnitStr(ui->comboBox_killZoneValue_unit->currentText());
}
