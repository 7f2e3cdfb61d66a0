#pragma once

#include <QWidget>

#include <memory>

class DBselector;
class ShootContainer;

namespace Ui {
class ParamTab;
}

// ParamTab edits one load: its active flag, muzzle velocity, calibre, ballistic coefficient and
// drag model, length, weight, zero range and note, kept in step with the load both ways. A load
// taken from the bullet database has its bullet fields greyed (the length stays editable:
// the databases carry none, and the length is marked to be checked while the load says so);
// "Set parameters manualy" makes it a hand-typed load again. The fields show exactly what the
// load holds and send the load only what the user types.
class ParamTab : public QWidget {
    Q_OBJECT

public:
    ParamTab(int index, DBselector* dbSelector, QWidget* parent = nullptr);
    ~ParamTab() override;

    // The zero range is editable only where the multi-load behaviour uses it.
    void disableZeroRange();
    void enableZeroRange();

public slots:
    void switchOrigin(QString origin);
    void on_pushButton_selectFromDB_clicked();
    void on_pushButton_setManual_clicked();
    void on_plainTextEdit_note_textChanged();
    // Lists the coefficient bands of the load in the coefficient's tooltip.
    void describeBands();
    // Marks the length as not from the bullet database (highlight, tooltip, a line of text).
    void markLength(bool needsCheck);

private:
    std::unique_ptr<Ui::ParamTab> ui;
    int index;
    ShootContainer* container;
    DBselector* dbSelector;
};
