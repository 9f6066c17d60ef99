#include "ui/TMisc.h"

#include "ui/Interaction.h"

bool TMisc::Open(const QString& sCommand)
{
    return lumidex::interaction().openWithShell(sCommand);
}
