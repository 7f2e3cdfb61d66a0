#include "results/graphcontainer.h"

#include "loads/shootcontainer.h"
#include "results/loadcolors.h"
#include "settings/settings.h"
#include "ui_graphcontainer.h"

#include <QDebug>
#include <QStack>
#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_picker.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>
#include <qwt_scale_engine.h>
#include <qwt_text.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double bandStartCm = 4.0;
constexpr double defaultScale = 50.0;

// A picker whose read-out GraphContainer writes: the position in the units of the axes.
class ReadoutPicker : public QwtPlotPicker {
public:
    ReadoutPicker(const GraphContainer* graph, QWidget* canvas)
        : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::CrossRubberBand, QwtPicker::AlwaysOn, canvas)
        , graph(graph)
    {
    }

protected:
    QwtText trackerTextF(const QPointF& position) const override { return graph->readout(position); }

private:
    const GraphContainer* graph;
};

} // namespace

GraphContainer::GraphContainer(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::GraphContainer>())
    , container(ShootContainer::instance())
    , settings(Settings::instance())
{
    ui->setupUi(this);

    plot = new QwtPlot(this);
    ui->verticalLayout->addWidget(plot);
    plot->setCanvasBackground(QBrush(Qt::white));
    plot->setContentsMargins(0, 0, 0, 0);

    picker = new ReadoutPicker(this, plot->canvas());
    picker->setStateMachine(new QwtPickerDragPointMachine);
    picker->setRubberBandPen(QColor(Qt::green));
    picker->setTrackerPen(QColor(Qt::blue));

    auto* grid = new QwtPlotGrid;
    grid->enableXMin(false);
    grid->setMajorPen(Qt::gray, 0, Qt::DotLine);
    grid->setMinorPen(Qt::gray, 0, Qt::DotLine);
    grid->attach(plot);

    plot->setAxisTitle(QwtPlot::xBottom, tr("Distance (m)"));
    plot->setAxisTitle(QwtPlot::yLeft, tr("Drop (cm)"));
    plot->enableAxis(QwtPlot::yRight);
    plot->setAxisScale(QwtPlot::yLeft, -defaultScale, defaultScale);
    plot->setAxisScale(QwtPlot::yRight, -defaultScale, defaultScale);
    plot->setAxisScaleEngine(QwtPlot::xBottom, new QwtLinearScaleEngine(10));
    plot->setAxisScaleEngine(QwtPlot::yLeft, new QwtLinearScaleEngine(10));

    const auto makeLine = [this](double y, Qt::GlobalColor colour) {
        auto* marker = new QwtPlotMarker;
        marker->setLineStyle(QwtPlotMarker::HLine);
        marker->setLabelAlignment(Qt::AlignRight | Qt::AlignBottom);
        marker->setLinePen(QColor(colour), 1, Qt::DashDotLine);
        marker->setYValue(y);
        marker->attach(plot);
        return marker;
    };
    killZoneLow = makeLine(-bandStartCm, Qt::red);
    killZoneHigh = makeLine(bandStartCm, Qt::red);
    zeroLine = makeLine(0.0, Qt::black);

    zoomer = new QwtPlotZoomer(QwtPlot::xBottom, QwtPlot::yLeft, plot->canvas(), true);
    zoomer->setRubberBand(QwtPicker::RectRubberBand);
    zoomer->setRubberBandPen(QColor(Qt::green));
    zoomer->setTrackerMode(QwtPicker::ActiveOnly);
    zoomer->setTrackerPen(QColor(Qt::white));
    zoomer->setZoomBase();
    zoomer->setEnabled(false);
    connect(zoomer, &QwtPlotZoomer::zoomed, this, &GraphContainer::rescaleAfterZoom);
}

GraphContainer::~GraphContainer() = default;

QColor GraphContainer::loadColor(int index)
{
    return LoadColors::color(index);
}

void GraphContainer::Prepare()
{
    qDebug().noquote() << "void GraphContainer::Prepare()" << settings->killZoneSI();
    for (QwtPlotCurve& curve : curves)
        curve.detach();

    const bool metric = settings->unitSystem() == 0;
    const QString bottomTitle = metric ? tr("Distance (m)") : tr("Distance (yd.)");
    xUnit = metric ? "m" : "yd";

    // The band in the unit of the drop and drift axes.
    const double band = metric ? settings->killZoneSI() * 100.0 : settings->killZoneSI() * 100.0 / 2.54;
    killZoneLow->setValue(0.0, -band / 2.0);
    killZoneHigh->setValue(0.0, band / 2.0);
    QwtText label(tr("Killzone: ") + QString::number(settings->killZone(), 'f', 1) + " " + settings->killZoneUnitStr(),
        QwtText::PlainText);
    QFont font("Helvetica", 10);
    font.setWeight(75);
    label.setFont(font);
    label.setColor(QColor(Qt::red));
    killZoneLow->setLabel(label);

    const int angleDisplay = settings->useAngleDisplay();
    const bool angles = angleDisplay == 1 || angleDisplay == 2;
    QString leftTitle;
    bool bandShown = false;
    // The read-out of the cursor uses the unit of the axis and the decimals of the range card.
    const QString lengthUnit = metric ? "cm" : "in";
    const QString angleUnit = angleDisplay == 1 ? "MOA" : "mils";
    yDecimals = 1;
    switch (container->plotType()) {
    case ShootContainer::Drop:
        leftTitle = metric ? tr("Drop (cm)") : tr("Drop (inches)");
        if (angles)
            leftTitle = angleDisplay == 1 ? tr("Drop (moa)") : tr("Drop (mils)");
        bandShown = !angles;
        yUnit = angles ? angleUnit : lengthUnit;
        break;
    case ShootContainer::Velocity:
        leftTitle = metric ? tr("Velocity (m/s)") : tr("Velocity (f/s)");
        yUnit = metric ? "m/s" : "f/s";
        yDecimals = 0;
        break;
    case ShootContainer::Energy:
        leftTitle = metric ? tr("Energy (J)") : tr("Energy (ft.lbs)");
        yUnit = metric ? "J" : "ft.lbs";
        yDecimals = 0;
        break;
    case ShootContainer::Time:
        leftTitle = tr("Time of flight (s)");
        yUnit = "s";
        yDecimals = 2;
        break;
    case ShootContainer::Drift:
        leftTitle = metric ? tr("Drift (cm)") : tr("Drift (inches)");
        if (angles)
            leftTitle = angleDisplay == 1 ? tr("Drift (moa)") : tr("Drift (mils)");
        bandShown = !angles;
        yUnit = angles ? angleUnit : lengthUnit;
        break;
    case ShootContainer::Bend:
        leftTitle = metric ? tr("Max Height (cm)") : tr("Max Height (inches)");
        bandShown = true;
        yUnit = lengthUnit;
        break;
    default:
        yUnit.clear();
        break;
    }
    killZoneLow->setVisible(bandShown);
    killZoneHigh->setVisible(bandShown);
    zeroLine->setVisible(true);

    plot->setAxisTitle(QwtPlot::xBottom, bottomTitle);
    plot->setAxisTitle(QwtPlot::yLeft, leftTitle);
}

void GraphContainer::UpdateGraph(int index, QVector<double>* i_value)
{
    qDebug().noquote() << "void GraphContainer::UpdateGraph(int, QVector<double>*)" << index;
    if (index < 0 || index >= int(curves.size()) || !i_value)
        return;
    QwtPlotCurve& curve = curves[std::size_t(index)];
    // A point with a value that cannot be computed is left out: the plot scales to the rest.
    QVector<double> xs;
    QVector<double> ys;
    const int n = int(std::min(i_value[0].size(), i_value[1].size()));
    xs.reserve(n);
    ys.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (std::isfinite(i_value[0][i]) && std::isfinite(i_value[1][i])) {
            xs << i_value[0][i];
            ys << i_value[1][i];
        }
    }
    curve.setSamples(xs, ys);
    curve.setPen(loadColor(index));
    curve.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    curve.setYAxis(QwtPlot::yLeft);
    curve.attach(plot);
}

void GraphContainer::Plot()
{
    qDebug().noquote() << "void GraphContainer::Plot()";
    plot->setAxisAutoScale(QwtPlot::yLeft);
    plot->setAxisAutoScale(QwtPlot::xBottom);
    plot->replot();
    followLeftAxis();
    zoomer->setZoomBase(true);
}

void GraphContainer::followLeftAxis()
{
    const QwtScaleDiv& left = plot->axisScaleDiv(QwtPlot::yLeft);
    plot->setAxisScale(QwtPlot::yRight, left.lowerBound(), left.upperBound());
}

void GraphContainer::rescaleAfterZoom()
{
    qDebug().noquote() << "void GraphContainer::rescaleAfterZoom()";
    followLeftAxis();
    plot->replot();
}

void GraphContainer::enableZoomMode(bool on)
{
    qDebug().noquote() << "void GraphContainer::enableZoomMode(bool)" << (on ? "true" : "false");
    zoomer->setEnabled(on);
    picker->setEnabled(!on);
}

void GraphContainer::ZoomOut()
{
    qDebug().noquote() << "void GraphContainer::ZoomOut()";
    // Back to the base with nothing above it, so that zooming forward brings no old view back.
    QStack<QRectF> base;
    base.push(zoomer->zoomBase());
    zoomer->setZoomStack(base, 0);
}

QString GraphContainer::readout(const QPointF& position) const
{
    // Distances are whole units on the card; the other quantities keep the card's decimals.
    return QString::number(position.x(), 'f', 0) + ' ' + xUnit + ", " + QString::number(position.y(), 'f', yDecimals)
        + (yUnit.isEmpty() ? QString() : ' ' + yUnit);
}
