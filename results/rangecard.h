#pragma once

#include <QWidget>

#include <memory>

class Settings;
class ShootContainer;

namespace Ui {
class RangeCard;
}

// RangeCard shows one load's range card: rows at the card step in the current unit system,
// with the MOA, mil and click columns the settings ask for, packed without gaps. An inactive
// load shows an empty, disabled card.
class RangeCard : public QWidget {
    Q_OBJECT

public:
    explicit RangeCard(int index, QWidget* parent = nullptr);
    ~RangeCard() override;

public slots:
    void populate();

private:
    std::unique_ptr<Ui::RangeCard> ui;
    int index;
    Settings* settings;
    ShootContainer* container;
};
