#include "loads/masterselector.h"

#include "ballistics/shoot.h"
#include "loads/shootcontainer.h"

#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QVBoxLayout>

MasterSelector::MasterSelector(QWidget* parent)
    : QDialog(parent)
    , container(ShootContainer::instance())
{
    setObjectName("MasterSelector");
    resize(323, 103);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName("verticalLayout");
    comboBox = new QComboBox(this);
    comboBox->setObjectName("comboBox");
    layout->addWidget(comboBox);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    buttonBox->setObjectName("buttonBox");
    layout->addWidget(buttonBox);
    setWindowTitle(tr("Master Shoot Selection"));
    setModal(true);

    // The dialog closes before the master is set.
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
    connect(this, &QDialog::accepted, this, &MasterSelector::SelectMasterShoot);
}

void MasterSelector::start()
{
    qDebug().noquote() << "void MasterSelector::start()";
    comboBox->clear();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        comboBox->addItem(container->GetShoot(index)->title());
    comboBox->setCurrentIndex(0);
    show();
}

void MasterSelector::SelectMasterShoot()
{
    qDebug().noquote() << "void MasterSelector::SelectMasterShoot()";
    container->SetMasterShoot(comboBox->currentIndex());
}
