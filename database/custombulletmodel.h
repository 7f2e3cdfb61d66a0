#pragma once

#include <QSqlTableModel>

// CustomBulletModel is the editable model of the custom database's `bullets` table. The table
// has no primary key (every bullet added by hand carries ID 0), so a row is known only by all
// its values, and two bullets entered alike are two equal rows. Removing a row through this
// model deletes exactly one database row with those values, where the default model would
// delete every row that looks like it.
class CustomBulletModel : public QSqlTableModel {
    Q_OBJECT

public:
    explicit CustomBulletModel(const QSqlDatabase& db, QObject* parent = nullptr);

protected:
    bool deleteRowFromTable(int row) override;
};
