#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlRecord;

// The bullet databases are four SQLite files in the "db" folder of the program directory: the
// shipped centerfire, rimfire and airgun-pellet databases, and the custom database that the
// user fills (database/schema.sql). Table `bullets` holds one row per ballistic-coefficient
// band: the G1 coefficient BC applies above velmin ft/s (velmax, ft/s or "max", is shown only).
// View `bullet_single` lists one row per bullet. Calibre and length are in inches, weight in
// grains. A bullet is identified by its manufacturer, description, weight and model; its bands
// are the rows of `bullets` that carry these four values.
//
// BulletDatabase owns one named connection, reused for every file it opens, and runs the
// queries of the bullet selector and the custom database manager; it needs no widget. Every
// value reaches SQL as a bound parameter, so a quote in a filter text or in a manufacturer's
// name is just a character. The shipped files are opened read-only and the custom file
// read-write, and none of them is ever created: a missing file is an opening error.
class BulletDatabase {
public:
    enum Index {
        Centerfire = 0,
        Rimfire = 1,
        Airgun = 2,
        Custom = 3,
    };
    static constexpr int count = 4;

    // One bullet of the list, as a row of the bullet query gives it.
    struct Bullet {
        QString manufacturer;
        QString description;
        QVariant weight; // grains, as the database holds it: part of the bullet's identity
        QString model;
        QVariant caliber; // in
        QVariant length;  // in; null when unknown
        QString catalogueNumber;

        // The database knows the bullet's length (a positive number).
        bool hasLength() const;
    };

    // The coefficient bands of a bullet in database order: BCs[i] applies from velMinsFps[i].
    struct Bands {
        QList<double> velMinsFps;
        QList<double> BCs;
    };

    // A bullet of the user's own: one coefficient for every velocity.
    struct CustomBullet {
        QString manufacturer;
        QString description;
        double caliberIn = 0.0;
        double BC = 0.0;
        double lengthIn = 0.0;
        double weightGr = 0.0; // pellets weigh 8.44 or 18.13 gr
        QString catalogueNumber;
        QString model; // "G1" ... "G8"
    };

    // The file of a database relative to the program directory ("/db/centerfire.db", ...);
    // empty for an index outside 0 to 3.
    static QString relativeFileName(int index);

    // Adds the connection (driver "QSQLITE") without opening anything. The databases are looked
    // for under programDirectory.
    BulletDatabase(const QString& connectionName, const QString& programDirectory);
    // Closes the connection and removes it.
    ~BulletDatabase();

    BulletDatabase(const BulletDatabase&) = delete;
    BulletDatabase& operator=(const BulletDatabase&) = delete;

    QSqlDatabase connection() const { return db; }
    QString programDirectory() const { return directory; }

    // Closes the connection and opens the database of index on it; an index outside 0 to 3
    // opens the previous file again. True when the file opened and reads as a bullet database
    // (SQLite's quick check passes and it has a bullets table); lastErrorText() then is "". A
    // file that opened but does not read stays open, so that what can be listed still is, but
    // it is never written (addCustomBullet and isReadable()).
    bool open(int index);
    // Why the last opening failed, as the driver or the check said it ("" when it did not).
    QString lastErrorText() const;
    // The same for the user: "The database <file> cannot be read: <reason>", "" when it can.
    QString problemText() const;
    // The last opening succeeded: the file may be read and, for the custom one, written.
    bool isReadable() const { return readable; }
    // The last opening failed because another program holds the file locked: the file itself
    // may be whole. retryIfLocked() then opens it again; true when it reads now.
    bool isLocked() const { return locked; }
    bool retryIfLocked();
    // The full name of the file opened last.
    QString fileName() const { return path; }

    // Every manufacturer of the open database, sorted, each once.
    QStringList manufacturers() const;

    // The bullets of bullet_single (columns man, diam, weight, desc, len, catnum, model) whose
    // manufacturer, calibre and weight contain the given texts (LIKE, numbers on their text
    // form; "%" and "_" are the characters themselves); an empty text sets no condition. The calibre and weight texts
    // are upper-cased first. The query is executed; its SQL text goes to statement when asked.
    QSqlQuery bulletQuery(
        const QString& manufacturer, const QString& caliber, const QString& weight, QString* statement = nullptr) const;

    // The bullet shown by a row of bulletQuery().
    static Bullet bulletFromRow(const QSqlRecord& row);

    // The bands of a bullet for display (columns BC, velmin, velmax), executed.
    QSqlQuery bandQuery(const Bullet& bullet, QString* statement = nullptr) const;

    // The bands of a bullet as a load takes them; empty when the bullet has none.
    Bands bands(const Bullet& bullet) const;

    // Adds a bullet with one band from 0 ft/s upward (ID 0, velmin '0', velmax 'max'). False
    // when the database refused it (missing or read-only) or does not read (nothing is then
    // written into it); lastQueryErrorText() says why.
    bool addCustomBullet(const CustomBullet& bullet);
    QString lastQueryErrorText() const { return queryError; }

private:
    // Runs SQLite's quick check and looks for the bullets table; false with the reason, and
    // isLocked is set when the file could not be read because another program locks it.
    bool check(QString* why, bool* isLocked) const;
    QSqlQuery identityQuery(const QString& columns, const Bullet& bullet, QString* statement) const;

    QString name;
    QString directory;
    QSqlDatabase db;
    QString path;
    bool readable = false;
    bool locked = false;
    int openedIndex = -1;
    QString openError; // the driver's or the check's text
    QString problem;   // the reason shown to the user
    QString queryError;
};
