#include "database/bulletcsv.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <cmath>

namespace BulletCsv {
namespace {

// A number of the text, or the reason it is not one acceptable here.
struct Number {
    QVariant value; // null double for an empty optional field
    QString problem;
};

// Integral numbers are kept as integers, as the shipped databases keep them.
QVariant stored(double value)
{
    if (std::abs(value) < 1e15 && std::trunc(value) == value)
        return static_cast<qlonglong>(value);
    return value;
}

Number number(const QString& text, bool optional, double minimum, bool minimumIncluded, double maximum)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return optional ? Number{QVariant(QVariant::Double), {}}
                        : Number{{}, QCoreApplication::translate("BulletCsv", "empty")};
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return {{}, QCoreApplication::translate("BulletCsv", "not a number: \"%1\"").arg(text)};
    if (value < minimum || (!minimumIncluded && value == minimum) || value > maximum)
        return {{}, QCoreApplication::translate("BulletCsv", "out of range: %1").arg(trimmed)};
    return {stored(value), {}};
}

QString textOf(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.type() == QVariant::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return value.toString();
}

} // namespace

const QStringList& columns()
{
    static const QStringList names
        = {"man", "diam", "desc", "bc", "velmin", "velmax", "len", "weight", "catnum", "model"};
    return names;
}

bool parse(const QString& text, QVector<Record>& records, int* errorLine, QString* why)
{
    records.clear();
    QStringList fields;
    QString current;
    bool quoted = false;
    bool afterQuote = false;
    bool started = false;
    int line = 1;
    int recordLine = 1;
    const auto fail = [&](int at, const QString& reason) {
        if (errorLine)
            *errorLine = at;
        if (why)
            *why = reason;
        return false;
    };
    const auto endRecord = [&]() {
        fields << current;
        if (!(fields.size() == 1 && fields.first().isEmpty() && !started))
            records.append({recordLine, fields});
        fields.clear();
        current.clear();
        afterQuote = false;
        started = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
                current += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                afterQuote = true;
            } else {
                line += c == '\n' ? 1 : 0;
                current += c;
            }
        } else if (c == ',') {
            fields << current;
            current.clear();
            afterQuote = false;
            started = true;
        } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
            continue;
        } else if (c == '\n') {
            endRecord();
            recordLine = ++line;
        } else if (afterQuote) {
            return fail(line, QCoreApplication::translate("BulletCsv", "text after a closing quote"));
        } else if (c == '"' && current.isEmpty()) {
            quoted = true;
            started = true;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return fail(recordLine, QCoreApplication::translate("BulletCsv", "quoted field not closed"));
    if (started || !current.isEmpty() || !fields.isEmpty())
        endRecord();
    return true;
}

QString field(const QString& text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    return '"' + QString(text).replace('"', "\"\"") + '"';
}

ImportReport import(QSqlDatabase db, const QString& text)
{
    ImportReport report;
    QString content = text;
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    QVector<Record> records;
    int errorLine = 0;
    QString why;
    if (!parse(content, records, &errorLine, &why)) {
        report.failure = QCoreApplication::translate("BulletCsv", "Line %1: %2").arg(errorLine).arg(why);
        return report;
    }
    if (records.isEmpty()) {
        report.failure = QCoreApplication::translate("BulletCsv", "The file holds no header");
        return report;
    }
    QHash<QString, int> position;
    const QStringList& header = records.first().fields;
    for (int i = 0; i < header.size(); ++i)
        position.insert(header.at(i).trimmed().toLower(), i);
    for (const QString& column : columns())
        if (!position.contains(column)) {
            report.failure
                = QCoreApplication::translate("BulletCsv", "Line 1: no column \"%1\" in the header").arg(column);
            return report;
        }

    static const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    struct Checked {
        QVariantList values; // in the order of columns()
    };
    QVector<Checked> rows;
    for (int r = 1; r < records.size(); ++r) {
        const Record& record = records.at(r);
        if (record.fields.size() != header.size()) {
            report.refused << QCoreApplication::translate("BulletCsv", "Line %1: %2 fields, the header has %3")
                                  .arg(record.line)
                                  .arg(record.fields.size())
                                  .arg(header.size());
            continue;
        }
        const auto text = [&](const QString& column) { return record.fields.at(position.value(column)); };
        Checked row;
        QString problem;
        QString where;
        const auto check = [&](const QString& column, const Number& n) {
            if (problem.isEmpty() && !n.problem.isEmpty()) {
                problem = n.problem;
                where = column;
            }
            row.values << n.value;
        };
        const auto required = [&](const QString& column) {
            const QString value = text(column).trimmed();
            if (problem.isEmpty() && value.isEmpty()) {
                problem = QCoreApplication::translate("BulletCsv", "empty");
                where = column;
            }
            row.values << value;
        };
        required("man");
        check("diam", number(text("diam"), false, 0.0, false, 10.0));
        required("desc");
        check("bc", number(text("bc"), false, 0.0, false, 10.0));
        // A bullet of one coefficient may leave its band empty: from 0 ft/s, without a top.
        if (text("velmin").trimmed().isEmpty())
            row.values << 0;
        else
            check("velmin", number(text("velmin"), false, 0.0, true, 100000.0));
        const QString velmax = text("velmax").trimmed();
        if (velmax.isEmpty() || velmax == "max")
            row.values << QString("max");
        else
            check("velmax", number(velmax, false, 0.0, false, 100000.0));
        // A length of 0 is an unknown length, as an empty one.
        const Number length = number(text("len"), true, 0.0, true, 100.0);
        check("len", length.value == QVariant(0) ? Number{QVariant(QVariant::Double), {}} : length);
        check("weight", number(text("weight"), false, 0.0, false, 100000.0));
        row.values << text("catnum");
        const QString model = text("model").trimmed().toUpper();
        if (problem.isEmpty() && !models.contains(model)) {
            problem = QCoreApplication::translate("BulletCsv", "not a drag model (G1, G2, G5, G6, G7 or G8): \"%1\"")
                          .arg(text("model"));
            where = "model";
        }
        row.values << model;
        if (!problem.isEmpty()) {
            report.refused << QCoreApplication::translate("BulletCsv", "Line %1, column %2: %3")
                                  .arg(record.line)
                                  .arg(where, problem);
            continue;
        }
        rows << row;
    }

    if (!db.transaction()) {
        report.failure = db.lastError().text();
        return report;
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO bullets(ID, man, diam, desc, BC, velmin, velmax, len, weight, catnum, "
                                  "model) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Checked& row : rows) {
        for (int i = 0; i < row.values.size(); ++i)
            insert.bindValue(i, row.values.at(i));
        if (!insert.exec()) {
            report.failure = insert.lastError().text();
            db.rollback();
            return report;
        }
    }
    if (!db.commit()) {
        report.failure = db.lastError().text();
        db.rollback();
        return report;
    }
    report.added = rows.size();
    return report;
}

bool exportText(QSqlDatabase db, QString& text, QString* why)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "SELECT man, diam, desc, BC, velmin, velmax, len, weight, catnum, model FROM bullets ORDER BY rowid"))) {
        if (why)
            *why = query.lastError().text();
        return false;
    }
    text = columns().join(',') + '\n';
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < columns().size(); ++i)
            fields << field(textOf(query.value(i)));
        text += fields.join(',') + '\n';
    }
    if (query.lastError().isValid()) {
        if (why)
            *why = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace BulletCsv
