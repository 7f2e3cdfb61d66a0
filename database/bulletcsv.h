#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

// Bullet lists as CSV text, in the form of the shipped data (data/bullets/*.csv): a header
// "man,diam,desc,bc,velmin,velmax,len,weight,catnum,model" and one row per coefficient band
// (calibre and length in inches, weight in grains, velocities in ft/s, velmax a number or
// "max"). RFC 4180: commas between fields, LF or CRLF between records; a field holding a comma,
// a quote or a line break is quoted, its quotes doubled.
namespace BulletCsv {

// A record and the line of the text it starts on.
struct Record {
    int line = 0;
    QStringList fields;
};

// The records of text, blank lines skipped; false, with the line and the reason, when a quote is
// misplaced or not closed.
bool parse(const QString& text, QVector<Record>& records, int* errorLine = nullptr, QString* why = nullptr);

// One field as CSV writes it: quoted when it holds a comma, a quote or a line break.
QString field(const QString& text);

const QStringList& columns();

// What an import did: the rows added and, for each row refused, "Line <n>, column <name>:
// <reason>" (or "Line <n>: <reason>").
struct ImportReport {
    int added = 0;
    QStringList refused;
    QString failure; // not empty: nothing was added (unreadable text, the database refused)
};

// Checks every row of text and adds the rows that pass to the bullets table of db in one
// transaction (ID 0, as bullets added by hand).
ImportReport import(QSqlDatabase db, const QString& text);

// The bullets table of db as CSV text that import() reads back to the same rows; false with the
// reason when the table cannot be read.
bool exportText(QSqlDatabase db, QString& text, QString* why = nullptr);

} // namespace BulletCsv
