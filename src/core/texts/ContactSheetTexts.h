#pragma once

#include <QString>

namespace lumidex {

// The contact sheet window's texts.
namespace contactsheettext {
QString caption();
QString title();
QString explanation();
// "Estate: 37 foto, su 2 pagine."
QString summary(const QString& bookName, int photos, int pages);
QString printFailed();
QString previewFailed();
// While page `page` of `pages` is painted: its photos are being read.
QString printingPage(int page, int pages);
QString previewingPage(int page, int pages);
} // namespace contactsheettext

} // namespace lumidex
