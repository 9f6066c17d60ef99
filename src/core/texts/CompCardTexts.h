#pragma once

#include <QString>

namespace lumidex {

// The comp card window's texts.
namespace compcardtext {
QString caption();
QString title();
QString explanation();
QString paperLabel();
QString paperA5();
QString paperA4();
QString agencyLabel();
QString printFailed();
QString previewFailed();
QString agencyNotSaved();
} // namespace compcardtext

} // namespace lumidex
