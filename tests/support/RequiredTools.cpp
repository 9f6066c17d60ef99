#include "support/RequiredTools.h"

#include <QtGlobal>

namespace lumidex::test {

bool toolsAreRequired()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

QString missingToolMessage(const QString& tool)
{
    if (toolsAreRequired())
        return QStringLiteral("not found: %1. Under CI (CI=true) a test that needs it fails instead of skipping; "
                              "scripts/install-deps installs it")
            .arg(tool);
    return QStringLiteral("skipped, not found on this machine: %1 (scripts/install-deps installs it; under CI=true "
                          "the test fails)")
        .arg(tool);
}

} // namespace lumidex::test
