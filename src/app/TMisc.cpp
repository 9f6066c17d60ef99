#include "app/TMisc.h"

#include "app/Interaction.h"

void TMisc::Open(const QString& sCommand)
{
    lumidex::interaction().openWithShell(sCommand);
}
