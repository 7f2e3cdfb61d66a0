#include "app/mainwindow.h"
#include "core/logwriter.h"
#include "core/messages.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    // Numbers are formatted and parsed with a decimal point whatever the system locale or
    // the interface language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));

    // The identity of the per-user settings store.
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");

    // The start-up log: log.txt beside the executable, begun afresh at every start.
    LogWriter log("log");
    log.reset();
    log.write(QCoreApplication::applicationDirPath());

    qDebug().noquote() << QCoreApplication::applicationDirPath();

    // What the core has to tell the user appears in a modal box over the active window.
    Messages::setWarningSink(MainWindow::showWarning);

    MainWindow window;
    window.showMaximized();

    return application.exec();
}
