#include "database/custombulletmodel.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

CustomBulletModel::CustomBulletModel(const QSqlDatabase& db, QObject* parent)
    : QSqlTableModel(parent, db)
{
}

bool CustomBulletModel::deleteRowFromTable(int row)
{
    emit beforeDelete(row);

    // Without a primary key the row's values are all the model knows: the condition names
    // every column (NULL values as IS NULL), and SQLite's rowid picks one matching row.
    const QSqlRecord values = primaryValues(row);
    QSqlDriver* driver = database().driver();
    const QString table = driver->escapeIdentifier(tableName(), QSqlDriver::TableName);
    const QString condition = driver->sqlStatement(QSqlDriver::WhereStatement, tableName(), values, true);
    if (condition.isEmpty()) {
        setLastError(QSqlError(QString(), tr("No values to identify the row"), QSqlError::StatementError));
        return false;
    }

    QSqlQuery query(database());
    query.prepare(
        QStringLiteral("DELETE FROM %1 WHERE rowid IN (SELECT rowid FROM %1 %2 LIMIT 1)").arg(table, condition));
    for (int i = 0; i < values.count(); ++i) {
        if (values.isGenerated(i) && !values.isNull(i))
            query.addBindValue(values.value(i));
    }
    if (!query.exec()) {
        setLastError(query.lastError());
        return false;
    }
    return true;
}
