#pragma once

#include <QString>
#include <QStringView>

namespace lumidex
{

// Upper-cases the letters a to z only. Accented letters and everything else stay
// as they are, so that a code typed with "è" still reads as wrong rather than
// being silently turned into a plain letter.
QString upperAscii(QStringView text);

} // namespace lumidex
