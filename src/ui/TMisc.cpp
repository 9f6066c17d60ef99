#include "ui/TMisc.h"

#include "ui/Interaction.h"

void TMisc::Open(const QString& sCommand)
{
    lumidex::interaction().openWithShell(sCommand);
}
