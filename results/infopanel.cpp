#include "results/infopanel.h"

#include "ballistics/shoot.h"
#include "loads/shootcontainer.h"
#include "results/loadcolors.h"
#include "settings/settings.h"
#include "ui_infopanel.h"

#include <QDebug>

InfoPanel::InfoPanel(int index, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::InfoPanel>())
    , index(index)
    , settings(Settings::instance())
    , container(ShootContainer::instance())
{
    ui->setupUi(this);
    ui->label_loadName->setText(tr("Load") + " " + QString::number(index + 1));
    QPalette colours = palette();
    colours.setBrush(QPalette::All, QPalette::WindowText, QBrush(LoadColors::color(index)));
    setPalette(colours);
}

InfoPanel::~InfoPanel() = default;

void InfoPanel::UpdateLabel()
{
    qDebug().noquote() << "void InfoPanel::UpdateLabel()" << index;
    Shoot* load = container->GetShoot(index);
    QList<double> ranges = {0.0, 0.0, 0.0, 0.0, 0.0};
    if (load->active())
        ranges = load->PointBlankRanges();
    while (ranges.size() < 5)
        ranges << 0.0;

    const bool metric = settings->unitSystem() == 0;
    const QString suffix = metric ? " m" : " yd";
    const double factor = metric ? 1.0 : 1.0936133;
    const auto text = [&](double metres) { return QString::number(metres * factor, 'f', 1) + suffix; };

    ui->label_loadName->setText(load->title());
    ui->label_DRIvalue->setText(text(ranges[0]));
    ui->label_DROvalue->setText(text(ranges[1]));
    ui->label_DTMvalue->setText(text(ranges[4]));
}
