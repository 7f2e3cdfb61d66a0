#pragma once

#include "tools/truing.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// TruingDialog fits the muzzle velocity or the ballistic coefficient of one load so that its
// drop at a range, with its zero, is the drop seen on the target (Truing). The fit runs on a
// scratch copy; only "Apply to load" changes the load.
class TruingDialog : public QDialog {
    Q_OBJECT

public:
    explicit TruingDialog(QWidget* parent = nullptr);

    // A list of the four loads by title, the given one selected.
    static QComboBox* newLoadList(int selected, QWidget* parent);

public slots:
    void compute();
    void applyToLoad();

private:
    QComboBox* loadList;
    QDoubleSpinBox* rangeBox;
    QComboBox* rangeUnitList;
    QDoubleSpinBox* dropBox;
    QComboBox* dropUnitList;
    QComboBox* fitList;
    QLabel* fittedLabel;
    QLabel* dropLabel;
    QLabel* changeLabel;
    QPushButton* applyButton;
    Truing::Result result;
    int resultLoad = -1;
};
