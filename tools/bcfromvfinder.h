#pragma once

#include "tools/bcfinder.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QPushButton;

namespace Ui {
class BCfromVFinder;
}

// BCfromVFinder derives a ballistic coefficient and the muzzle velocity from two chronograph
// readings (BcFinder). It works on a scratch load: no load of the window changes until the
// user applies the result to one with "Apply to load" (coefficient, drag model and muzzle
// velocity).
class BCfromVFinder : public QDialog {
    Q_OBJECT

public:
    explicit BCfromVFinder(QWidget* parent = nullptr);
    ~BCfromVFinder() override;

public slots:
    void on_pushButton_calculate_pressed();
    void applyToLoad();

private:
    std::unique_ptr<Ui::BCfromVFinder> ui;
    QComboBox* loadList;
    QPushButton* applyButton;
    BcFinder::Result result;
    BcFinder::Input resultInput;
};
