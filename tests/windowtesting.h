#pragma once

// What the tests of the assembled window share.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QObject>
#include <QString>

namespace WindowTesting {

// Copies the built databases into programDirectory + "/db", so that a window built on that
// folder never opens the program's own files.
inline bool copyShippedDatabases(const QString& programDirectory)
{
    if (!QDir(programDirectory).mkpath("db"))
        return false;
    const QDir shipped(QCoreApplication::applicationDirPath() + "/db");
    for (const QString& name : shipped.entryList({"*.db"}, QDir::Files))
        if (!QFile::copy(shipped.filePath(name), programDirectory + "/db/" + name))
            return false;
    return true;
}

// The child of root with that object name; a missing widget is a broken form, so the test stops.
template <typename T = QWidget> T* widget(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", qPrintable(name));
    return found;
}

// The property that holds what a field shows: a list's index, a box's value, a check box's state.
inline const char* valueProperty(const QWidget* field)
{
    return qobject_cast<const QComboBox*>(field) ? "currentIndex" : field->metaObject()->userProperty().name();
}

} // namespace WindowTesting
