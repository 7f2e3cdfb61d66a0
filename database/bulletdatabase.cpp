#include "database/bulletdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

namespace {

// Bound texts are never NULL: an empty text is compared and stored as ''.
QVariant textValue(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

// A LIKE pattern that finds text anywhere, its wildcards taken literally (with ESCAPE '\').
QString containing(QString text)
{
    text.replace('\\', QStringLiteral("\\\\")).replace('%', QStringLiteral("\\%")).replace('_', QStringLiteral("\\_"));
    return '%' + text + '%';
}

// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
bool isLockError(const QSqlError& error)
{
    return error.nativeErrorCode() == QLatin1String("5") || error.nativeErrorCode() == QLatin1String("6");
}

// How long a statement waits for another program's lock before it gives up.
const QString busyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");

} // namespace

bool BulletDatabase::Bullet::hasLength() const
{
    bool ok = false;
    const double value = length.toDouble(&ok);
    return !length.isNull() && ok && value > 0.0;
}

QString BulletDatabase::relativeFileName(int index)
{
    switch (index) {
    case Centerfire:
        return QStringLiteral("/db/centerfire.db");
    case Rimfire:
        return QStringLiteral("/db/rimfire.db");
    case Airgun:
        return QStringLiteral("/db/airgun.db");
    case Custom:
        return QStringLiteral("/db/custom.db");
    default:
        return QString();
    }
}

BulletDatabase::BulletDatabase(const QString& connectionName, const QString& programDirectory)
    : name(connectionName)
    , directory(programDirectory)
    , db(QSqlDatabase::addDatabase("QSQLITE", connectionName))
{
}

BulletDatabase::~BulletDatabase()
{
    db.close();
    // The driver keeps the connection while any handle on it lives: drop ours first.
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool BulletDatabase::open(int index)
{
    db.close();
    readable = false;
    locked = false;
    openError.clear();
    problem.clear();
    const QString file = relativeFileName(index);
    if (!file.isEmpty()) {
        path = directory + file;
        openedIndex = index;
        if (index == Custom) {
            // Read-write, but a missing file is not created: SQLite's "mode=rw" URI parameter
            // leaves out the create flag, as QSQLITE_OPEN_READONLY does for the shipped files.
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;") + busyTimeout);
            db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        } else {
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;") + busyTimeout);
            db.setDatabaseName(path);
        }
    }

    if (!db.open()) {
        openError = db.lastError().text();
        problem = QFileInfo::exists(path) ? openError
                                          : QCoreApplication::translate("BulletDatabase", "the file does not exist.");
        return false;
    }
    // SQLite opens any file; whether it is a database shows at the first statement.
    if (!check(&openError, &locked)) {
        problem = locked
            ? QCoreApplication::translate(
                "BulletDatabase", "another program holds the file locked. Vanto tries again at your next action on it.")
            : QCoreApplication::translate("BulletDatabase", "the file is damaged or is not a bullet database.");
        return false;
    }
    readable = true;
    return true;
}

bool BulletDatabase::retryIfLocked()
{
    if (locked)
        open(openedIndex);
    return readable;
}

bool BulletDatabase::check(QString* why, bool* isLocked) const
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        *why = query.lastError().text();
        *isLocked = isLockError(query.lastError());
        return false;
    }
    QStringList findings;
    while (query.next())
        findings << query.value(0).toString();
    if (findings != QStringList{QStringLiteral("ok")}) {
        *why = findings.isEmpty() ? query.lastError().text() : findings.join(QStringLiteral("; "));
        return false;
    }
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'bullets'"))
        || !query.next()) {
        *why = query.lastError().text();
        return false;
    }
    if (query.value(0).toInt() != 1) {
        *why = QStringLiteral("no table bullets");
        return false;
    }
    return true;
}

QString BulletDatabase::lastErrorText() const
{
    return openError;
}

QString BulletDatabase::problemText() const
{
    if (problem.isEmpty())
        return QString();
    return QCoreApplication::translate("BulletDatabase", "The database %1 cannot be read: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}

QStringList BulletDatabase::manufacturers() const
{
    QStringList names;
    QSqlQuery query(db);
    if (!db.isOpen() || !query.exec(QStringLiteral("SELECT DISTINCT man FROM bullets ORDER BY man")))
        return names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

QSqlQuery BulletDatabase::bulletQuery(
    const QString& manufacturer, const QString& caliber, const QString& weight, QString* statement) const
{
    const QString caliberText = caliber.toUpper();
    const QString weightText = weight.toUpper();
    QString sql = QStringLiteral("SELECT man, diam, weight, desc, len, catnum, model FROM bullet_single where 1=1 ");
    if (!manufacturer.isEmpty())
        sql += QStringLiteral(" and man LIKE :man ESCAPE '\\'");
    if (!caliberText.isEmpty())
        sql += QStringLiteral(" and diam LIKE :diam ESCAPE '\\'");
    if (!weightText.isEmpty())
        sql += QStringLiteral(" and weight LIKE :weight ESCAPE '\\'");

    if (statement)
        *statement = sql;
    QSqlQuery query(db);
    if (!db.isOpen())
        return query;
    query.prepare(sql);
    if (!manufacturer.isEmpty())
        query.bindValue(QStringLiteral(":man"), containing(manufacturer));
    if (!caliberText.isEmpty())
        query.bindValue(QStringLiteral(":diam"), containing(caliberText));
    if (!weightText.isEmpty())
        query.bindValue(QStringLiteral(":weight"), containing(weightText));
    query.exec();
    return query;
}

BulletDatabase::Bullet BulletDatabase::bulletFromRow(const QSqlRecord& row)
{
    Bullet bullet;
    bullet.manufacturer = row.value(0).toString();
    bullet.caliber = row.value(1);
    bullet.weight = row.value(2);
    bullet.description = row.value(3).toString();
    bullet.length = row.value(4);
    bullet.catalogueNumber = row.value(5).toString();
    bullet.model = row.value(6).toString();
    return bullet;
}

QSqlQuery BulletDatabase::identityQuery(const QString& columns, const Bullet& bullet, QString* statement) const
{
    // The weight is bound as the database gave it, so it compares exactly as stored (155.5 as
    // 155.5, 168 as 168); a text bound against the NUMERIC column would compare the same way.
    // A text the database leaves NULL reads as an empty text, and finds its rows as one.
    const QString sql = QStringLiteral("SELECT ") + columns
        + QStringLiteral(" FROM bullets where ifnull(man, '') = :man and ifnull(desc, '') = :desc"
                         " and weight IS :weight and ifnull(model, '') = :model ORDER BY rowid");
    if (statement)
        *statement = sql;
    QSqlQuery query(db);
    if (!db.isOpen())
        return query;
    query.prepare(sql);
    query.bindValue(QStringLiteral(":man"), textValue(bullet.manufacturer));
    query.bindValue(QStringLiteral(":desc"), textValue(bullet.description));
    query.bindValue(QStringLiteral(":weight"), bullet.weight);
    query.bindValue(QStringLiteral(":model"), textValue(bullet.model));
    query.exec();
    return query;
}

QSqlQuery BulletDatabase::bandQuery(const Bullet& bullet, QString* statement) const
{
    return identityQuery(QStringLiteral("BC, velmin, velmax"), bullet, statement);
}

BulletDatabase::Bands BulletDatabase::bands(const Bullet& bullet) const
{
    Bands bands;
    QSqlQuery query = identityQuery(QStringLiteral("BC, velmin, weight"), bullet, nullptr);
    while (query.next()) {
        bands.BCs << query.value(0).toDouble();
        bands.velMinsFps << query.value(1).toDouble();
    }
    return bands;
}

bool BulletDatabase::addCustomBullet(const CustomBullet& bullet)
{
    // A file that does not read as a database is left exactly as it is: the bullets in it
    // may still be recovered. One that another program held locked may read now.
    if (!readable && !retryIfLocked()) {
        queryError = problem;
        return false;
    }
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("INSERT INTO bullets(ID, man, diam, desc, BC, velmin, velmax, len, weight, catnum, model) "
                       "VALUES (0, :man, :diam, :desc, :BC, '0', 'max', :len, :weight, :catnum, :model)"));
    query.bindValue(QStringLiteral(":man"), textValue(bullet.manufacturer));
    query.bindValue(QStringLiteral(":diam"), bullet.caliberIn);
    query.bindValue(QStringLiteral(":desc"), textValue(bullet.description));
    query.bindValue(QStringLiteral(":BC"), bullet.BC);
    query.bindValue(QStringLiteral(":len"), bullet.lengthIn);
    query.bindValue(QStringLiteral(":weight"), bullet.weightGr);
    query.bindValue(QStringLiteral(":catnum"), textValue(bullet.catalogueNumber));
    query.bindValue(QStringLiteral(":model"), textValue(bullet.model));
    if (query.exec()) {
        queryError.clear();
        return true;
    }
    queryError = query.lastError().text();
    if (queryError.trimmed().isEmpty())
        queryError = db.lastError().text();
    return false;
}
