#include "app/resources.h"

#include <QtGlobal>

void initVantoResources()
{
    Q_INIT_RESOURCE(vanto);
}
