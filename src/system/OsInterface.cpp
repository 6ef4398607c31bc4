#include "OsInterface.h"

// Defined once per platform, chosen at build time.
OsInterface& platformOsInterface();

namespace {
OsInterface* installed = nullptr;
}

OsInterface* OsInterface::instance()
{
    return installed ? installed : &platformOsInterface();
}

void OsInterface::setInstance(OsInterface* os)
{
    installed = os;
}
