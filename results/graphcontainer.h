#pragma once

#include <QColor>
#include <QWidget>
#include <qwt_plot_curve.h>

#include <array>
#include <memory>

class QwtPlot;
class QwtPlotMarker;
class QwtPlotPicker;
class QwtPlotZoomer;
class Settings;
class ShootContainer;

namespace Ui {
class GraphContainer;
}

// GraphContainer plots the trajectories of the computed loads: one curve per load slot in the
// load's colour, a dotted grid, the kill-zone band (two red dash-dot lines at ± half the kill
// zone, labelled) around the black line of sight, a cursor tracker and a rubber-band zoomer.
// The series arrive in the units the axis titles name; the right axis always reads like the
// left one.
class GraphContainer : public QWidget {
    Q_OBJECT

public:
    explicit GraphContainer(QWidget* parent = nullptr);
    ~GraphContainer() override;

    static QColor loadColor(int index);

    QwtPlot* plotWidget() const { return plot; }
    const QwtPlotCurve& curve(int index) const { return curves[std::size_t(index)]; }
    QwtPlotMarker* killZoneLowMarker() const { return killZoneLow; }
    QwtPlotMarker* killZoneHighMarker() const { return killZoneHigh; }
    QwtPlotMarker* zeroLineMarker() const { return zeroLine; }
    QwtPlotZoomer* plotZoomer() const { return zoomer; }
    QwtPlotPicker* plotPicker() const { return picker; }
    // The cursor read-out for a point of the plot: distance, then the plotted quantity, each
    // in the unit of its axis with the decimals of the range card ("250 m, -12.3 cm").
    QString readout(const QPointF& position) const;

public slots:
    void UpdateGraph(int index, QVector<double>* i_value);
    void Prepare();
    void Plot();
    void enableZoomMode(bool on);
    void ZoomOut();
    void rescaleAfterZoom();

private:
    void followLeftAxis();

    std::unique_ptr<Ui::GraphContainer> ui;
    ShootContainer* container;
    Settings* settings;
    std::array<QwtPlotCurve, 4> curves;
    QwtPlot* plot = nullptr;
    QwtPlotPicker* picker = nullptr;
    QwtPlotZoomer* zoomer = nullptr;
    QwtPlotMarker* killZoneLow = nullptr;
    QwtPlotMarker* killZoneHigh = nullptr;
    QwtPlotMarker* zeroLine = nullptr;
    QString xUnit = "m";
    QString yUnit = "cm";
    int yDecimals = 1;
};
