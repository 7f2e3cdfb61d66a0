#include "core/logwriter.h"
#include "ordinaryuser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

class TestLogWriter : public QObject {
    Q_OBJECT

private slots:
    void linesEndInCrLf();
    void resetStartsTheFileAgain();
    void fileDeletedFromOutsideIsRecreated();
    void writersShareTheFile();
    void unwritableDirectoryIsIgnored();
    void unwritableLogIsIgnored_data();
    void unwritableLogIsIgnored();

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

void TestLogWriter::unwritableLogIsIgnored_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("log.txt is a folder") << "folder";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("read-only log.txt in a read-only folder") << "read-only file";
}

// Writing and starting the file again fail quietly and leave what is there as it was.
void TestLogWriter::unwritableLogIsIgnored()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString fileName = dir.path() + "/log.txt";
    if (fault == "folder") {
        QVERIFY(QDir().mkdir(fileName));
    } else {
        if (fault == "read-only file") {
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier\r\n");
            file.close();
            QVERIFY(OrdinaryUser::makeReadOnly(fileName));
        }
        QVERIFY(OrdinaryUser::makeReadOnly(dir.path()));
    }
    const QByteArray before = QFileInfo(fileName).isDir() ? QByteArray("<folder>") : contents(fileName);
    {
        std::optional<OrdinaryUser::Scope> user;
        if (fault != "folder") {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        LogWriter log(dir.path(), "log");
        log.reset();
        log.write("/opt/vanto");
        log.write("DBselector::DBselector");
    }
    QCOMPARE(QFileInfo(fileName).isDir() ? QByteArray("<folder>") : contents(fileName), before);
    QVERIFY(OrdinaryUser::makeOpen(dir.path()));
}

QTEST_GUILESS_MAIN(TestLogWriter)
#include "tst_logwriter.moc"
