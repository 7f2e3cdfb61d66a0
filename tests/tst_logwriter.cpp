#include "app/logwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLogWriter : public QObject {
    Q_OBJECT

private slots:
    void linesEndInCrLf();
    void resetStartsTheFileAgain();
    void fileDeletedFromOutsideIsRecreated();
    void writersShareTheFile();
    void unwritableDirectoryIsIgnored();

private:
    static QByteArray contents(const QString& fileName);
};

QByteArray TestLogWriter::contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestLogWriter::linesEndInCrLf()
{
    QTemporaryDir dir;
    LogWriter log(dir.path(), "log");
    QCOMPARE(log.fileName(), dir.path() + "/log.txt");
    log.write("/opt/vanto");
    log.write("");
    QCOMPARE(contents(log.fileName()), QByteArray("nouveau logwriter\r\n/opt/vanto\r\n\r\n"));
}

void TestLogWriter::resetStartsTheFileAgain()
{
    QTemporaryDir dir;
    LogWriter log(dir.path(), "log");
    log.write("old line");
    log.reset();
    log.write("après");
    QCOMPARE(contents(log.fileName()), QByteArray("réinitialisation du logwriter !\r\naprès\r\n"));
}

void TestLogWriter::fileDeletedFromOutsideIsRecreated()
{
    QTemporaryDir dir;
    LogWriter log(dir.path(), "log");
    QVERIFY(QFile::remove(log.fileName()));
    log.write("again");
    QCOMPARE(contents(log.fileName()), QByteArray("again\r\n"));
}

void TestLogWriter::writersShareTheFile()
{
    QTemporaryDir dir;
    LogWriter first(dir.path(), "log");
    first.reset();
    LogWriter second(dir.path(), "log");
    second.write("DBselector::DBselector");
    first.write("end");
    QCOMPARE(contents(first.fileName()),
        QByteArray("réinitialisation du logwriter !\r\nnouveau logwriter\r\nDBselector::DBselector\r\nend\r\n"));
}

void TestLogWriter::unwritableDirectoryIsIgnored()
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/no/such/folder";
    LogWriter log(missing, "log");
    log.write("lost");
    log.reset();
    QVERIFY(!QFile::exists(log.fileName()));
}

QTEST_GUILESS_MAIN(TestLogWriter)
#include "tst_logwriter.moc"
