#pragma once

#include <QDialog>

#include <memory>

class Settings;

namespace Ui {
class KillZoneSetter;
}

// KillZoneSetter edits the kill-zone diameter and its unit. It mirrors the store through its
// change signals and writes the value, the unit and the unit's text back on OK.
class KillZoneSetter : public QDialog {
    Q_OBJECT

public:
    explicit KillZoneSetter(QWidget* parent = nullptr);
    ~KillZoneSetter() override;

public slots:
    void setUnit(int unitIndex);
    void SelectKillZone();

private:
    std::unique_ptr<Ui::KillZoneSetter> ui;
    Settings* settings;
};
