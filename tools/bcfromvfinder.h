#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class BCfromVFinder;
}

// BCfromVFinder derives a ballistic coefficient and the muzzle velocity from two chronograph
// readings (BcFinder). It works on a scratch load: no load of the window changes, nothing is
// stored; the results are only shown.
class BCfromVFinder : public QDialog {
    Q_OBJECT

public:
    explicit BCfromVFinder(QWidget* parent = nullptr);
    ~BCfromVFinder() override;

public slots:
    void on_pushButton_calculate_pressed();

private:
    std::unique_ptr<Ui::BCfromVFinder> ui;
};
