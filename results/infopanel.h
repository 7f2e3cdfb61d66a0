#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class Settings;
class Shoot;
class ShootContainer;

namespace Ui {
class InfoPanel;
}

// InfoPanel sums up one load slot in the load's colour: its name and, for its point-blank
// sight setting, the maximum point-blank range and the near and far zero ranges, in metres or
// yards with one decimal (0.0 for an inactive load), and the bullet's gyroscopic stability
// factor with a warning when it is marginal or not stable, and a note when the bullet's length
// was not given by the database and not yet entered.
class InfoPanel : public QWidget {
    Q_OBJECT

public:
    explicit InfoPanel(int index, QWidget* parent = nullptr);
    ~InfoPanel() override;

public slots:
    void UpdateLabel();

private:
    void showStability(const Shoot* load);

    std::unique_ptr<Ui::InfoPanel> ui;
    QLabel* stabilityLabel;
    QLabel* stabilityValue;
    int index;
    Settings* settings;
    ShootContainer* container;
};
