#pragma once

#include "database/bulletdatabase.h"

#include <QModelIndex>
#include <QString>
#include <QWidget>

#include <memory>

class LogWriter;
class QLabel;
class QSqlQueryModel;

namespace Ui {
class DBselector;
}

// DBselector is the window in which the user picks a bullet from one of the four bullet
// databases (BulletDatabase) and copies it into a load: manufacturer and description as the
// title, weight in grains, calibre and length in inches, and the coefficient bands as the
// load's coefficient list: G1 for the shipped databases, the model the row names for the
// custom one. Filtering and the queries are BulletDatabase's; the window keeps
// the lists, the highlighted bullet and the load it fills. It logs its construction and the
// outcome of every database opening (LogWriter, "log").
//
// Select needs a highlighted bullet with at least one band; otherwise it changes nothing and
// the window stays open, so that another bullet can be picked. A bullet whose length the
// database does not know leaves the load's length and length unit as they were, and the load
// marks its length as to be checked (Shoot::lengthNeedsCheck).
class DBselector : public QWidget {
    Q_OBJECT

public:
    // Databases and log file under the program directory.
    explicit DBselector(QWidget* parent = nullptr);
    // Databases under programDirectory + "/db", log file programDirectory + "/log.txt".
    explicit DBselector(const QString& programDirectory, QWidget* parent = nullptr);
    ~DBselector() override;

public slots:
    // Remembers the load to fill and shows the window.
    void ProcessRequestBulletDB(int currentIndex);
    // Opens the database chosen in the database list, reloads the manufacturers and filters.
    void openDB(int);
    void on_pushButton_filter_clicked();
    void BulletSelected(QModelIndex index, QModelIndex previous);
    void on_pushButton_select_clicked();
    void on_pushButton_cancel_clicked();

private:
    // Shows text above the bullet list, or hides the line when text is empty.
    void showProblem(const QString& text);

    std::unique_ptr<Ui::DBselector> ui;
    QLabel* problemLabel = nullptr; // owned by the window
    std::unique_ptr<LogWriter> log;
    std::unique_ptr<BulletDatabase> database;
    QString bulletQuery;
    QString detailsQuery;
    // Declared after the database: a model's query must be gone before the connection is.
    std::unique_ptr<QSqlQueryModel> bulletModel;
    std::unique_ptr<QSqlQueryModel> detailsModel;
    // The bullet last highlighted; weight, length and calibre with 6 significant digits, the
    // length empty when the database has none.
    QString selectedDescription;
    QString selectedManufacturer;
    QString selectedWeight;
    QString selectedLength;
    QString selectedCaliber;
    QString selectedModel;
    BulletDatabase::Bullet selectedBullet;
    int targetIndex = 0;
};
