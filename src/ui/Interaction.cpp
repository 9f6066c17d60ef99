#include "ui/Interaction.h"

#include "ui/RealInteraction.h"

namespace lumidex {

namespace {
Interaction* installed = nullptr;
}

Interaction& interaction()
{
    if (installed)
        return *installed;
    static RealInteraction real;
    return real;
}

void installInteraction(Interaction* replacement)
{
    installed = replacement;
}

} // namespace lumidex
