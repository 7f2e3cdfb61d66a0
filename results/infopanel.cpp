#include "results/infopanel.h"

#include "ballistics/shoot.h"
#include "ballistics/stability.h"
#include "loads/shootcontainer.h"
#include "results/loadcolors.h"
#include "settings/settings.h"
#include "ui_infopanel.h"

#include <QDebug>

#include <cmath>

InfoPanel::InfoPanel(int index, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::InfoPanel>())
    , index(index)
    , settings(Settings::instance())
    , container(ShootContainer::instance())
{
    ui->setupUi(this);
    stabilityLabel = new QLabel(tr("SG:"), this);
    stabilityLabel->setObjectName("label_SG");
    stabilityLabel->setToolTip(tr("Gyroscopic stability factor"));
    stabilityValue = new QLabel(QStringLiteral("-"), this);
    stabilityValue->setObjectName("label_SGvalue");
    stabilityValue->setTextFormat(Qt::PlainText);
    stabilityValue->setWordWrap(true);
    ui->gridLayout->addWidget(stabilityLabel, ui->gridLayout->rowCount(), 0);
    ui->gridLayout->addWidget(stabilityValue, ui->gridLayout->rowCount() - 1, 1);
    // The title comes from a file or a database: text, never markup.
    ui->label_loadName->setTextFormat(Qt::PlainText);
    ui->label_loadName->setText(tr("Load") + " " + QString::number(index + 1));
    QPalette colours = palette();
    colours.setBrush(QPalette::All, QPalette::WindowText, QBrush(LoadColors::color(index)));
    setPalette(colours);
    // The three ranges are those of the sight setting that makes the most of the kill zone, not
    // of the zero range the load was sighted in at: say so where they are read.
    setToolTip(tr("MPBR, NZR and FZR are the maximum point-blank range and the near and far zero ranges of the "
                  "best zero for the kill zone (the bullet rises at most half the kill zone above the line of "
                  "sight), not those of the load's own zero range."));
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
    // A range that cannot be computed reads "-", and its tooltip says why.
    const auto show = [&](QLabel* label, double metres) {
        const bool known = std::isfinite(metres);
        label->setText(known ? QString::number(metres * factor, 'f', 1) + suffix : QStringLiteral("-"));
        label->setToolTip(known ? QString() : tr("This range cannot be computed for this load"));
    };

    ui->label_loadName->setText(load->title());
    show(ui->label_DRIvalue, ranges[0]);
    show(ui->label_DROvalue, ranges[1]);
    show(ui->label_DTMvalue, ranges[4]);
    showStability(load);
}

void InfoPanel::showStability(const Shoot* load)
{
    const double factor = load->GyroscopicStability();
    const Stability::Rating rating = load->active() ? Stability::rate(factor) : Stability::Rating::Unknown;
    QString text = QStringLiteral("-");
    QString tip;
    switch (rating) {
    case Stability::Rating::Unknown:
        if (load->active())
            tip = tr("The stability cannot be computed: check the weight, calibre and length of the bullet and the "
                     "twist");
        break;
    case Stability::Rating::NotStable:
        text = QString::number(factor, 'f', 2) + " " + tr("(not stable)");
        tip = tr("Below 1.0 the bullet is not stable: it will tumble");
        break;
    case Stability::Rating::Marginal:
        text = QString::number(factor, 'f', 2) + " " + tr("(marginal)");
        tip = tr("Below 1.3 the stability is marginal: the bullet may not fly point first in cold, dense air");
        break;
    case Stability::Rating::Stable:
        text = QString::number(factor, 'f', 2);
        break;
    }
    // A bullet picked from a database without a length gets the factor of a length that is not
    // its own: say so beside the factor until the length is entered.
    if (load->active() && load->lengthNeedsCheck()) {
        text += "\n" + tr("(length not checked)");
        tip = (tip.isEmpty() ? QString() : tip + "\n")
            + tr("The bullet database gives no length for this bullet, so this factor is computed with a length "
                 "that may not be the bullet's: please enter the bullet's length in the load's page.");
    }
    stabilityValue->setText(text);
    stabilityValue->setToolTip(tip);
    // A warning stands out in bold (red is a load's colour).
    QFont font = stabilityValue->font();
    font.setBold(rating == Stability::Rating::NotStable || rating == Stability::Rating::Marginal);
    stabilityValue->setFont(font);
}
