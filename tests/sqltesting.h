#pragma once

// Direct access to a database file for the tests, past the program's own classes.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace SqlTesting {

// Runs statements on a database file through a connection of its own; the value of the last
// row read, or the error.
inline QVariant sql(const QString& fileName, const QStringList& statements)
{
    const QString connection = "sql_testing";
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(fileName);
        if (!db.open())
            return QVariant("open failed: " + db.lastError().text());
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                return QVariant("failed: " + query.lastError().text());
            if (query.next())
                last = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return last;
}

} // namespace SqlTesting
