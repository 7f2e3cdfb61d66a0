#pragma once

#include <QObject>

// Whether the results on screen (graph, cards, info panels) still belong to the inputs: after a
// computation they do; any change of a setting or of a load after it makes them out of date
// until the next computation. Before the first computation there are no results to be out of
// date. One instance, created on first use, watching the settings, the four loads and the
// load container's computation runs.
class ResultsState : public QObject {
    Q_OBJECT

public:
    static ResultsState* instance();

    bool outOfDate() const { return outOfDate_; }

    // "(not recomputed)", as the graph and the exports show it.
    static QString outOfDateText();

signals:
    void outOfDateChanged(bool outOfDate);

public slots:
    void inputChanged();
    void computed();

private:
    ResultsState();
    void watch(QObject* source);
    void setOutOfDate(bool value);

    bool computedOnce = false;
    bool outOfDate_ = false;
};
