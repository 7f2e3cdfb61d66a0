#include "tools/truingdialog.h"

#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget* pair(QWidget* value, QWidget* unit)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(value, 1);
    layout->addWidget(unit);
    return row;
}

} // namespace

QComboBox* TruingDialog::newLoadList(int selected, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName("comboBox_load");
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        list->addItem(ShootContainer::instance()->GetShoot(index)->title());
    list->setCurrentIndex(selected);
    return list;
}

TruingDialog::TruingDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TruingDialog");
    setWindowTitle(tr("Truing"));
    const bool metric = Settings::instance()->unitSystem() == 0;

    loadList = newLoadList(0, this);
    rangeBox = new QDoubleSpinBox;
    rangeBox->setObjectName("doubleSpinBox_range");
    rangeBox->setRange(1.0, 5000.0);
    rangeBox->setDecimals(1);
    rangeBox->setValue(300.0);
    rangeUnitList = new QComboBox;
    rangeUnitList->setObjectName("comboBox_rangeUnit");
    rangeUnitList->addItems({"m", "yd"});
    rangeUnitList->setCurrentIndex(metric ? 0 : 1);
    dropBox = new QDoubleSpinBox;
    dropBox->setObjectName("doubleSpinBox_drop");
    dropBox->setRange(-100000.0, 100000.0);
    dropBox->setDecimals(2);
    dropBox->setToolTip(tr("How far below the point of aim the bullet hit, or the elevation dialled up that hit"));
    dropUnitList = new QComboBox;
    dropUnitList->setObjectName("comboBox_dropUnit");
    dropUnitList->addItems({"cm", "in", "MOA", "mil", tr("clicks")});
    dropUnitList->setCurrentIndex(metric ? Truing::Centimetres : Truing::Inches);
    fitList = new QComboBox;
    fitList->setObjectName("comboBox_fit");
    fitList->addItems({tr("Muzzle velocity"), tr("Ballistic coefficient")});

    auto* form = new QFormLayout;
    form->addRow(tr("Load"), loadList);
    form->addRow(tr("Range"), pair(rangeBox, rangeUnitList));
    form->addRow(tr("Observed drop"), pair(dropBox, dropUnitList));
    form->addRow(tr("Fit"), fitList);

    auto* computeButton = new QPushButton(tr("Compute"));
    computeButton->setObjectName("pushButton_compute");
    fittedLabel = new QLabel;
    fittedLabel->setObjectName("label_fitted");
    dropLabel = new QLabel;
    dropLabel->setObjectName("label_drop");
    changeLabel = new QLabel;
    changeLabel->setObjectName("label_change");
    for (QLabel* label : {fittedLabel, dropLabel, changeLabel})
        label->setTextFormat(Qt::PlainText);
    applyButton = new QPushButton(tr("Apply to load"));
    applyButton->setObjectName("pushButton_apply");
    applyButton->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(computeButton);
    layout->addWidget(fittedLabel);
    layout->addWidget(dropLabel);
    layout->addWidget(changeLabel);
    layout->addWidget(applyButton);
    layout->addWidget(buttons);

    connect(computeButton, &QPushButton::clicked, this, &TruingDialog::compute);
    connect(applyButton, &QPushButton::clicked, this, &TruingDialog::applyToLoad);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A result belongs to the inputs it was fitted for.
    const auto stale = [this] { applyButton->setEnabled(false); };
    connect(loadList, qOverload<int>(&QComboBox::currentIndexChanged), this, stale);
    connect(fitList, qOverload<int>(&QComboBox::currentIndexChanged), this, stale);
    connect(rangeBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this, stale);
    connect(dropBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this, stale);
    connect(rangeUnitList, qOverload<int>(&QComboBox::currentIndexChanged), this, stale);
    connect(dropUnitList, qOverload<int>(&QComboBox::currentIndexChanged), this, stale);
}

void TruingDialog::compute()
{
    qDebug().noquote() << "void TruingDialog::compute()";
    const int index = loadList->currentIndex();
    const Shoot* load = ShootContainer::instance()->GetShoot(index);
    Truing::Input input;
    input.range = rangeBox->value();
    input.rangeUnit = rangeUnitList->currentIndex();
    input.drop = dropBox->value();
    input.dropUnit = dropUnitList->currentIndex();
    input.fit = fitList->currentIndex() == 0 ? Truing::Fit::MuzzleVelocity : Truing::Fit::Coefficient;
    result = Truing::fit(*load, input);
    resultLoad = index;
    applyButton->setEnabled(result.found);
    if (!result.found) {
        fittedLabel->clear();
        dropLabel->clear();
        changeLabel->clear();
        Messages::warning(QObject::tr("Warning"), QObject::tr("Unable to find a valid solution"));
        return;
    }
    const double rangeM = Truing::rangeMetres(input.range, input.rangeUnit);
    fittedLabel->setText(Truing::fittedText(result, *load));
    dropLabel->setText(tr("Computed drop = %1 %2")
                           .arg(Truing::dropInUnit(result.dropM, input.dropUnit, rangeM), 0, 'f', 2)
                           .arg(dropUnitList->currentText()));
    changeLabel->setText(tr("Change = %1 %").arg(QString::asprintf("%+.2f", result.changePercent)));
}

void TruingDialog::applyToLoad()
{
    if (!result.found || resultLoad < 0)
        return;
    Truing::apply(result, *ShootContainer::instance()->GetShoot(resultLoad));
    applyButton->setEnabled(false);
}
