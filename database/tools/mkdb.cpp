// vanto-mkdb: builds the bullet databases at build time. Not part of the program.
//
//   vanto-mkdb SCHEMA CSV OUTPUT
//       Builds OUTPUT from the schema and the CSV file (header man, diam, desc, bc, velmin,
//       velmax, len, weight, catnum, model; one row per coefficient band; UTF-8). The file is
//       written beside OUTPUT under a temporary name and renamed over it once complete, so an
//       interrupted build never leaves half a database.
//   vanto-mkdb --custom SCHEMA OUTPUT
//       Creates the empty custom database, unless OUTPUT already holds bullets: the user's own
//       bullets are never overwritten. A missing or empty file, one without a bullets table,
//       or one without bullets and with another schema is created again; a file that cannot be
//       read is left alone (exit 1).
//
// Values: empty numbers become NULL; integral numbers are stored as integers; velmax may hold
// the text "max"; texts are stored as they are ('' when empty). The ID of a row is the number
// of its bullet in the file (1, 2, ...), shared by the bands of one bullet.
#include "database/bulletcsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QVariant>
#include <QVector>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

const QString connectionName = QStringLiteral("vanto-mkdb");

struct Failure {
    QString text;
};

void print(FILE* stream, const QString& text)
{
    std::fprintf(stream, "vanto-mkdb: %s\n", qUtf8Printable(text));
}

QString readUtf8(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure{QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString())};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

using Record = BulletCsv::Record;

QVector<Record> parseCsv(const QString& text, const QString& fileName)
{
    QVector<Record> records;
    int line = 0;
    QString why;
    if (!BulletCsv::parse(text, records, &line, &why))
        throw Failure{QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(why)};
    return records;
}

// The statements of an SQL script, split at semicolons outside quotes and comments.
QStringList splitStatements(const QString& script)
{
    QStringList statements;
    QString current;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (c == '\'' || c == '"') {
            const int end = script.indexOf(c, i + 1);
            const int stop = end < 0 ? script.size() : end + 1;
            current += script.mid(i, stop - i);
            i = stop - 1;
        } else if (c == '-' && script.mid(i, 2) == QLatin1String("--")) {
            const int end = script.indexOf('\n', i);
            i = end < 0 ? script.size() : end;
            current += '\n';
        } else if (c == '/' && script.mid(i, 2) == QLatin1String("/*")) {
            const int end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? script.size() : end + 1;
            current += ' ';
        } else if (c == ';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

// An empty text is NULL; an integral number an integer; anything else a double or, when
// allowed, the text itself.
QVariant numberValue(const QString& text, const QStringList& allowedWords, const QString& where)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant(QVariant::Double);
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (ok && std::isfinite(value)) {
        if (std::abs(value) < 1e15 && std::trunc(value) == value)
            return static_cast<qlonglong>(value);
        return value;
    }
    if (allowedWords.contains(trimmed))
        return trimmed;
    throw Failure{QStringLiteral("%1: not a number: \"%2\"").arg(where, text)};
}

// Runs the statements of the schema on an open connection.
void createSchema(QSqlDatabase& db, const QString& schemaFile)
{
    for (const QString& statement : splitStatements(readUtf8(schemaFile))) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw Failure{QStringLiteral("%1: %2").arg(schemaFile, query.lastError().text())};
    }
}

int fillFromCsv(QSqlDatabase& db, const QString& csvFile)
{
    const QVector<Record> records = parseCsv(readUtf8(csvFile), csvFile);
    if (records.isEmpty())
        return 0;

    static const QStringList columns
        = {"man", "diam", "desc", "bc", "velmin", "velmax", "len", "weight", "catnum", "model"};
    QHash<QString, int> position;
    const QStringList& header = records.first().fields;
    for (int i = 0; i < header.size(); ++i)
        position.insert(header.at(i).trimmed().toLower(), i);
    for (const QString& column : columns) {
        if (!position.contains(column))
            throw Failure{QStringLiteral("%1: no column \"%2\" in the header").arg(csvFile, column)};
    }

    QSqlQuery insert(db);
    insert.prepare("INSERT INTO bullets(ID, man, diam, desc, BC, velmin, velmax, len, weight, catnum, model) "
                   "VALUES (:id, :man, :diam, :desc, :BC, :velmin, :velmax, :len, :weight, :catnum, :model)");
    QHash<QString, int> bulletNumbers;
    for (int r = 1; r < records.size(); ++r) {
        const Record& record = records.at(r);
        const QString where = QStringLiteral("%1:%2").arg(csvFile).arg(record.line);
        if (record.fields.size() != header.size()) {
            throw Failure{QStringLiteral("%1: %2 fields, the header has %3")
                              .arg(where)
                              .arg(record.fields.size())
                              .arg(header.size())};
        }
        auto text = [&](const QString& column) { return record.fields.at(position.value(column)); };
        auto number = [&](const QString& column, const QStringList& words = {}) {
            return numberValue(text(column), words, where + " " + column);
        };
        // Texts are never NULL: an empty catalogue number is ''.
        auto textValue = [&](const QString& column) {
            const QString value = text(column);
            return QVariant(value.isNull() ? QStringLiteral("") : value);
        };

        const QVariant weight = number("weight");
        const QString identity
            = text("man") + '\x1f' + text("desc") + '\x1f' + weight.toString() + '\x1f' + text("model");
        const int bulletNumber = bulletNumbers.value(identity, bulletNumbers.size() + 1);
        bulletNumbers.insert(identity, bulletNumber);

        insert.bindValue(":id", bulletNumber);
        insert.bindValue(":man", textValue("man"));
        insert.bindValue(":diam", number("diam"));
        insert.bindValue(":desc", textValue("desc"));
        insert.bindValue(":BC", number("bc"));
        insert.bindValue(":velmin", number("velmin"));
        insert.bindValue(":velmax", number("velmax", {"max"}));
        insert.bindValue(":len", number("len"));
        insert.bindValue(":weight", weight);
        insert.bindValue(":catnum", textValue("catnum"));
        insert.bindValue(":model", textValue("model"));
        if (!insert.exec())
            throw Failure{QStringLiteral("%1: %2").arg(where, insert.lastError().text())};
    }
    return records.size() - 1;
}

// Builds a database from the schema (and the CSV file) in a temporary file beside output;
// returns its name. Nothing is left behind when it fails.
QString buildPartial(const QString& schemaFile, const std::optional<QString>& csvFile, const QString& output, int* rows)
{
    const QFileInfo target(output);
    if (!QDir().mkpath(target.absolutePath()))
        throw Failure{QStringLiteral("cannot create the folder %1").arg(target.absolutePath())};
    const QString partial = target.absoluteFilePath() + ".part";
    QFile::remove(partial);

    *rows = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
        db.setDatabaseName(partial);
        if (!db.open())
            throw Failure{QStringLiteral("%1: %2").arg(partial, db.lastError().text())};
        db.transaction();
        try {
            createSchema(db, schemaFile);
            if (csvFile)
                *rows = fillFromCsv(db, *csvFile);
            if (!db.commit())
                throw Failure{QStringLiteral("%1: %2").arg(partial, db.lastError().text())};
        } catch (const Failure&) {
            db.rollback();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            QFile::remove(partial);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return partial;
}

// Renames the finished file over output in one step.
void replace(const QString& partial, const QString& output, int rows)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(output).toStdString(), error);
    if (error) {
        QFile::remove(partial);
        throw Failure{QStringLiteral("cannot replace %1: %2").arg(output, QString::fromStdString(error.message()))};
    }
    print(stdout, QStringLiteral("%1: %2 rows").arg(QFileInfo(output).fileName()).arg(rows));
}

// What an existing database file holds: its schema entries and the rows of its bullets table.
struct Contents {
    bool database = false; // an SQLite file (a missing or empty file is not)
    QStringList schema;
    qlonglong bulletRows = 0;
};

// Throws when the file exists but cannot be read: it is then left as it is.
Contents inspect(const QString& fileName)
{
    Contents contents;
    const QFileInfo info(fileName);
    if (!info.exists() || info.size() == 0)
        return contents;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        db.setDatabaseName(fileName);
        if (!db.open())
            throw Failure{QStringLiteral("%1: %2").arg(fileName, db.lastError().text())};
        QSqlQuery query(db);
        if (!query.exec("SELECT type, name, sql FROM sqlite_master ORDER BY type, name"))
            throw Failure{QStringLiteral("%1: %2").arg(fileName, query.lastError().text())};
        bool bulletsTable = false;
        while (query.next()) {
            const QString type = query.value(0).toString();
            const QString name = query.value(1).toString();
            contents.schema << type + '|' + name + '|' + query.value(2).toString();
            bulletsTable = bulletsTable || (type == QLatin1String("table") && name == QLatin1String("bullets"));
        }
        if (bulletsTable) {
            if (!query.exec("SELECT COUNT(*) FROM bullets") || !query.next())
                throw Failure{QStringLiteral("%1: %2").arg(fileName, query.lastError().text())};
            contents.bulletRows = query.value(0).toLongLong();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    contents.database = true;
    return contents;
}

// The custom database holds the user's bullets: it is created when missing, empty or without
// a bullets table, brought to the current schema while it holds no bullets, and otherwise
// never touched. An empty database that already has the current schema is left as it is too.
void buildCustom(const QString& schemaFile, const QString& output)
{
    const Contents current = inspect(output);
    if (current.bulletRows > 0)
        return;
    int rows = 0;
    const QString partial = buildPartial(schemaFile, std::nullopt, output, &rows);
    if (current.database && current.schema == inspect(partial).schema) {
        QFile::remove(partial);
        return;
    }
    replace(partial, output, rows);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool custom = !arguments.isEmpty() && arguments.first() == QLatin1String("--custom");
    if (custom)
        arguments.removeFirst();
    if (arguments.size() != (custom ? 2 : 3)) {
        print(stderr, QStringLiteral("usage: vanto-mkdb SCHEMA CSV OUTPUT | vanto-mkdb --custom SCHEMA OUTPUT"));
        return 2;
    }

    try {
        if (custom) {
            buildCustom(arguments.at(0), arguments.at(1));
        } else {
            int rows = 0;
            const QString partial = buildPartial(arguments.at(0), arguments.at(1), arguments.at(2), &rows);
            replace(partial, arguments.at(2), rows);
        }
    } catch (const Failure& failure) {
        print(stderr, failure.text);
        return 1;
    }
    return 0;
}
