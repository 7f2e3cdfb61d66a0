#pragma once

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class ShootContainer;

// MasterSelector asks which load is the master of the "zero" and "angle" behaviours: the load
// whose zero range, or shooting angle, the others share. OK sets it; closing the dialog any
// other way sets nothing.
class MasterSelector : public QDialog {
    Q_OBJECT

public:
    explicit MasterSelector(QWidget* parent = nullptr);

    QComboBox* list() const { return comboBox; }

public slots:
    void start();
    void SelectMasterShoot();

private:
    QComboBox* comboBox;
    QDialogButtonBox* buttonBox;
    ShootContainer* container;
};
