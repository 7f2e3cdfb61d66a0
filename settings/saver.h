#pragma once

#include <QWidget>

#include <functional>

// Saver saves and loads parameter files on the user's request: it asks for a file name and
// hands the work to ParameterFile. It is a widget only to be the parent of its file dialogs.
// The dialogs go through replaceable functions so that tests can answer them.
class Saver : public QWidget {
    Q_OBJECT

public:
    // Asks for a file name: (parent, caption, start directory, filter) → the name, or "" when
    // the user cancelled.
    using FileNameProvider = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit Saver(QWidget* parent = nullptr);

    void setSaveFileNameProvider(FileNameProvider provider);
    void setOpenFileNameProvider(FileNameProvider provider);

public slots:
    void save();
    void load();

private:
    FileNameProvider askSaveName;
    FileNameProvider askOpenName;
};
