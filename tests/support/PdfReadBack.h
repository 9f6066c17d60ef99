#pragma once

#include "support/RequiredTools.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace lumidex::test {

// A word of a PDF as poppler reads it back: its page (from 0) and its box in
// points from the page's top-left corner.
struct PdfWord {
    int page = 0;
    QString text;
    QRectF box;
};

// Whether poppler's tools are there to read PDFs back.
bool canReadPdf();

// Every word of `pdfPath`, page by page, in reading order.
QList<PdfWord> pdfWords(const QString& pdfPath);
// The words of one page joined by blanks, in reading order.
QString pdfPageText(const QList<PdfWord>& words, int page);
// The first word equal to `text` (on `page`, or any page when -1); a word with
// an empty text when there is none.
PdfWord findWord(const QList<PdfWord>& words, const QString& text, int page = -1);

// The size of each page, in points.
QList<QSizeF> pdfPageSizes(const QString& pdfPath);

// A picture placed in a PDF: its page (from 0) and its own size in pixels.
struct PdfImage {
    int page = 0;
    QSize size;
};
// Every picture of `pdfPath`, page by page, in the order they are drawn.
QList<PdfImage> pdfImages(const QString& pdfPath);

// One page (from 0) rendered at `dpi`; only the part `crop` (in pixels at that
// resolution) when given, so that fine resolutions stay small.
QImage pdfPageImage(const QString& pdfPath, int page, int dpi, const QRect& crop = {});

// Millimetres to points and back, and to the pixels of an image at `dpi`.
constexpr double pointsFromMm(double mm)
{
    return mm * 72.0 / 25.4;
}
constexpr double pixelsFromMm(double mm, int dpi)
{
    return mm * dpi / 25.4;
}

// The smallest rectangle holding every pixel of `image` inside `within` for
// which `matches` holds; empty when none does.
template <class Predicate> QRect pixelBounds(const QImage& image, const QRect& within, Predicate matches)
{
    QRect bounds;
    const QRect area = within.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (matches(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace lumidex::test

// Ends the test unless poppler's tools are there to read its PDF back: a skip on
// a developer's machine, a failure under CI (support/RequiredTools.h).
#define LUMIDEX_REQUIRE_PDF_READER()                                                                                   \
    LUMIDEX_REQUIRE_TOOL(lumidex::test::canReadPdf(), QStringLiteral("pdftotext and pdftoppm (Debian: poppler-utils)"))
