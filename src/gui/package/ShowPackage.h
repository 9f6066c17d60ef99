#pragma once

#include <QString>

class QWidget;

namespace lumidex {

// Opens the package window over the registry of `programDir`, owned by `owner`;
// it is gone when this returns. An archive that cannot be read, or has no card,
// is said so instead.
void showPackage(QWidget* owner, const QString& programDir);

} // namespace lumidex
