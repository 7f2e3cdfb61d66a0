#include "results/resultsstate.h"

#include "ballistics/shoot.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QMetaMethod>

ResultsState* ResultsState::instance()
{
    static ResultsState* state = new ResultsState;
    return state;
}

ResultsState::ResultsState()
{
    ShootContainer* container = ShootContainer::instance();
    watch(Settings::instance());
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        watch(container->GetShoot(index));
    connect(container, &ShootContainer::SendMultiShootBehavior, this, &ResultsState::inputChanged);
    connect(container, &ShootContainer::ComputeEnd, this, &ResultsState::computed);
}

// Every change signal of the source ("...Changed", "BCchanged") counts as an input change.
void ResultsState::watch(QObject* source)
{
    const QMetaObject* meta = source->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("inputChanged()"));
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && QByteArray(method.name()).toLower().endsWith("changed"))
            connect(source, method, this, slot);
    }
}

QString ResultsState::outOfDateText()
{
    return QCoreApplication::translate("ResultsState", "(not recomputed)");
}

void ResultsState::inputChanged()
{
    if (computedOnce)
        setOutOfDate(true);
}

void ResultsState::computed()
{
    computedOnce = true;
    setOutOfDate(false);
}

void ResultsState::setOutOfDate(bool value)
{
    if (outOfDate_ == value)
        return;
    outOfDate_ = value;
    emit outOfDateChanged(value);
}
