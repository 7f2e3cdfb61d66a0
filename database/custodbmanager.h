#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class BulletDatabase;
class CustomBulletModel;
class LogWriter;
class QLabel;

namespace Ui {
class CustoDBManager;
}

// CustoDBManager is the window in which the user adds bullets of their own to the custom
// database ("/db/custom.db" in the program directory) and removes them. An added bullet has
// one coefficient for every velocity (one band from 0 ft/s upward) and ID 0; the table shows
// the database's rows at once, sorted by manufacturer. A bullet that the database refuses to add
// or remove (missing or read-only file) is reported in a warning. A file that does not read as
// a database (damaged, truncated, not SQLite) is never written, and the window says so.
//
// Bullet lists come in and go out as CSV files (BulletCsv): an import adds the rows that pass
// its checks in one transaction and lists the refused ones; an export writes the whole table
// through a save file, so a failed write leaves the old file whole. The file dialogs go through
// a replaceable function so that tests can answer them.
// a database (damaged, truncated, not SQLite) is never written, and the window says so. A file
// that another program holds locked is tried again when the window is shown and at every add or
// remove.
class CustoDBManager : public QWidget {
    Q_OBJECT

public:
    // Asks for a file name: (parent, caption, start directory, filter, saving) → the name, or ""
    // when the user cancelled.
    using FileNameProvider = std::function<QString(QWidget*, const QString&, const QString&, const QString&, bool)>;

    // Database and log file under the program directory.
    explicit CustoDBManager(QWidget* parent = nullptr);
    // Database programDirectory + "/db/custom.db", log file programDirectory + "/log.txt".
    explicit CustoDBManager(const QString& programDirectory, QWidget* parent = nullptr);
    ~CustoDBManager() override;

    void setFileNameProvider(FileNameProvider provider);

public slots:
    void AddRecord();
    void importCsv();
    void exportCsv();
    void DeleteRecord();
    void UpdateTable();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A file that another program held locked is opened again, and the window says how it is.
    void retryIfLocked();

    std::unique_ptr<Ui::CustoDBManager> ui;
    QLabel* problemLabel = nullptr; // owned by the window
    std::unique_ptr<BulletDatabase> database;
    // Declared after the database: the model's queries must be gone before the connection is.
    std::unique_ptr<CustomBulletModel> model;
    std::unique_ptr<LogWriter> log;
    FileNameProvider askFileName;
    QLabel* csvReport = nullptr; // owned by the window
};
