#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace lumidex::report {

// Report measures are millimetres; the report's own unit, which a few sizes are
// given in, is the screen pixel of 1/96 inch.
inline constexpr qreal millimetresPerUnit = 25.4 / 96.0;
constexpr qreal units(qreal count)
{
    return count * millimetresPerUnit;
}

// The program's report colours.
inline const QColor royalBlue { 0x41, 0x69, 0xE1 };
inline const QColor slateGrey { 0x70, 0x80, 0x90 };

enum class ObjectKind { Text, Rectangle, Picture };

// One named thing printed on a page: a text box, a rectangle or a picture box.
// `box` is in millimetres from the top-left corner of the printable area (or of
// the band the object belongs to).
struct ReportObject {
    ObjectKind kind = ObjectKind::Text;
    QString name;
    QRectF box;

    // Text boxes. The text is printed as it is, on one line, cut at the box's
    // edges. A listing (linePitch > 0) prints its `lines` instead, one under the
    // other, linePitch millimetres apart, each cut the same way: a long list is
    // shared with whoever made it, never copied into one text.
    QString text;
    QStringList lines;
    QFont font;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qreal linePitch = 0;
    // The current date, dd/MM/yyyy, follows the text when the report is composed.
    bool endsWithCurrentDate = false;

    // Text boxes and rectangles: no fill when invalid. A rectangle's outline is
    // one unit wide, black unless it has a colour of its own.
    QColor fill;
    QColor outline;

    // Picture boxes: scaled to fit the box with its proportions kept, centred.
    QImage picture;
};

enum class BandKind { ReportTitle, MasterData, Footer };

// A horizontal strip of a listing report, printed in the order of the layout:
// the title once at the top of the first page, the data (which may continue on
// the following pages), the footer once after the data.
struct ReportBand {
    BandKind kind = BandKind::MasterData;
    QString name;
    qreal height = 0;
    bool mayBreak = false;
    QList<ReportObject> objects;
};

// A report layout as data: the page, the objects placed on it and the bands that
// flow down it. Objects are found by name whatever the letter case.
struct ReportLayout {
    QString name;
    QPageLayout page;
    QList<ReportObject> objects;
    QList<ReportBand> bands;

    ReportObject* find(QStringView objectName);
    const ReportObject* find(QStringView objectName) const;
    ReportBand* band(BandKind kind);

    // False when the layout has no text box of that name.
    bool setText(QStringView objectName, const QString& text);
    // Puts `picture` into a picture box, reduced beforehand to what the box can
    // show on paper (see printablePicture). False when the layout has no picture
    // box of that name or the picture could not be reduced.
    bool setPicture(QStringView objectName, const QImage& picture);
};

// The finest detail a photo needs on paper; a printer's resolution beyond it adds
// nothing but megabytes.
inline constexpr qreal finestPictureDpi = 300;

// `picture` reduced, with its proportions kept, to the pixels the box of `boxMm`
// holds at `dpi`; a picture that is smaller already is returned as it is. Null
// when the reduction failed (a picture too large for the memory at hand).
QImage printablePicture(const QImage& picture, const QSizeF& boxMm, qreal dpi);

// The pixels a box of `boxMm` millimetres holds at `dpi`, at least one each way.
QSize boxPixels(const QSizeF& boxMm, qreal dpi);

// An A4 page, portrait or landscape, with the same margin all round.
QPageLayout a4Page(QPageLayout::Orientation orientation, qreal marginMm);

// A font of the layouts: a face and a size in points.
QFont reportFont(const QString& family, qreal points, bool bold = false);

// Building blocks of the layouts.
ReportObject textBox(const QString& name, const QRectF& box, const QString& text, const QFont& font,
    const QColor& colour = Qt::black, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
ReportObject rectangle(const QString& name, const QRectF& box, const QColor& fill = {}, const QColor& outline = {});
ReportObject pictureBox(const QString& name, const QRectF& box);

} // namespace lumidex::report
