#include "settings/saver.h"

#include "core/messages.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>

Saver::Saver(QWidget* parent)
    : QWidget(parent)
    , askSaveName([](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    })
    , askOpenName([](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    })
{
}

void Saver::setSaveFileNameProvider(FileNameProvider provider)
{
    askSaveName = std::move(provider);
}

void Saver::setOpenFileNameProvider(FileNameProvider provider)
{
    askOpenName = std::move(provider);
}

void Saver::save()
{
    qDebug().noquote() << "void Saver::save()";
    Settings* settings = Settings::instance();
    QString fileName = askSaveName(this, tr("Save File"), settings->saveDir(), tr("Vanto Files (*.vnt)"));
    if (fileName.isEmpty())
        return;
    fileName = ParameterFile::withSuffix(fileName);
    settings->setSaveDir(QFileInfo(fileName).absolutePath());

    QString why;
    if (!ParameterFile::save(fileName, &why))
        Messages::warning(tr("Warning"), tr("The parameters could not be saved to %1:\n%2").arg(fileName, why));
}

void Saver::load()
{
    qDebug().noquote() << "void Saver::load()";
    const QString fileName
        = askOpenName(this, tr("Load File"), Settings::instance()->saveDir(), tr("Vanto Files (*.vnt)"));
    if (fileName.isEmpty())
        return;

    QString why;
    if (!ParameterFile::load(fileName, &why))
        Messages::warning(tr("Warning"), tr("The parameter file %1 could not be read:\n%2").arg(fileName, why));
}
