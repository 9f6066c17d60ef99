#pragma once

#include <QString>

namespace lumidex {

// The package window's and the web gallery's texts.
namespace packagetext {
QString caption();
QString title();
QString explanation();
QString filterLabel();
QString filterHint();
QString selectAll();
QString selectNone();
QString chosenCount(int chosen, int total);
QString clientLabel();
QString noteLabel();
QString fieldsLabel();
QString personalLabel();
QString picturesChoice();
QString makePdf();
QString makeWeb();
QString close();
QString nothingChosen();
QString pdfProgress();
QString pdfPage(int page, int pages);
QString pdfCancelled();
QString pdfFailed();
QString webProgress();
QString webCancelled();
QString webFailed(const QString& reason);
// The question at the end: the folder made, and whether to open it now.
QString webDone(const QString& folder);
QString galleryProgress();
QString galleryCancelled();
QString galleryFailed(const QString& reason);
QString galleryDone(const QString& folder);
// The user asked to see a web page or gallery just made, and the desktop would
// not open it in a browser.
QString webNotOpened(const QString& folder);
} // namespace packagetext

} // namespace lumidex
