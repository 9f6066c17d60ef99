#include "report/CompCardLayout.h"

#include <QMarginsF>
#include <QPageSize>
#include <cmath>

namespace lumidex::report {

namespace {

// The card is drawn in the millimetres of A5 landscape (194 x 132 inside its
// margins) and enlarged whole for A4.
constexpr qreal a5Margin = 8;
constexpr qreal printableWidth = 194;

// The photo area between the name bar and the measurements.
constexpr qreal photoTop = 13;
constexpr qreal photoHeight = 88;
constexpr qreal gap = 2;
constexpr qreal mainPhotoWidth = 70;

const QColor bandFill(0xEE, 0xF2, 0xFB);

qreal scaleOf(CompCardPaper paper)
{
    return paper == CompCardPaper::A4 ? std::sqrt(2.0) : 1.0;
}

// The boxes of the extra pictures, right of the photo, in slot order.
QList<QRectF> pictureBoxes(int count)
{
    const qreal left = mainPhotoWidth + gap;
    const qreal width = printableWidth - left;
    QList<QRectF> boxes;
    if (count >= compCardMaxPictures) {
        // Two rows of two.
        const qreal w = (width - gap) / 2;
        const qreal h = (photoHeight - gap) / 2;
        for (int i = 0; i < compCardMaxPictures; ++i)
            boxes << QRectF(left + (i % 2) * (w + gap), photoTop + (i / 2) * (h + gap), w, h);
    } else if (count > 0) {
        // One column each, as tall as the photo: portraits lose nothing.
        const qreal w = (width - (count - 1) * gap) / count;
        for (int i = 0; i < count; ++i)
            boxes << QRectF(left + i * (w + gap), photoTop, w, photoHeight);
    }
    return boxes;
}

QRectF mainPhotoBox(int pictureCount)
{
    return QRectF(0, photoTop, pictureCount > 0 ? mainPhotoWidth : printableWidth, photoHeight);
}

class Builder {
public:
    explicit Builder(CompCardPaper paper)
        : m_scale(scaleOf(paper))
    { }

    QRectF box(const QRectF& a5) const { return QRectF(a5.topLeft() * m_scale, a5.size() * m_scale); }
    QFont font(qreal a5Points, bool bold = false) const
    {
        return reportFont(QStringLiteral("Arial"), a5Points * m_scale, bold);
    }
    qreal scale() const { return m_scale; }

private:
    qreal m_scale;
};

} // namespace

QString compCardPictureName(int index)
{
    return QStringLiteral("imgFoto%1").arg(index + 1);
}

ReportLayout compCardLayout(CompCardPaper paper, int pictureCount)
{
    pictureCount = qBound(0, pictureCount, compCardMaxPictures);
    const Builder b(paper);
    ReportLayout layout;
    layout.name = QStringLiteral("Comp card");
    const qreal margin = a5Margin * b.scale();
    layout.page = QPageLayout(QPageSize(paper == CompCardPaper::A4 ? QPageSize::A4 : QPageSize::A5),
        QPageLayout::Landscape, QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);

    layout.objects << rectangle(QStringLiteral("shpTitolo"), b.box({ 0, 0, printableWidth, 11 }), royalBlue, royalBlue);
    layout.objects << textBox(QStringLiteral("txtNome"), b.box({ 3, 0.5, printableWidth - 6, 10 }), QString(),
        b.font(18, true), Qt::white, Qt::AlignCenter);

    layout.objects << pictureBox(QStringLiteral("imgFoto"), b.box(mainPhotoBox(pictureCount)));
    const QList<QRectF> boxes = pictureBoxes(pictureCount);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        layout.objects << pictureBox(compCardPictureName(int(i)), b.box(boxes.at(i)));

    // The measurements side by side in a pale band, each caption over its value.
    constexpr qreal bandTop = 103;
    layout.objects << rectangle(
        QStringLiteral("shpMisure"), b.box({ 0, bandTop, printableWidth, 19 }), bandFill, bandFill);
    constexpr int measureCount = int(std::size(compCardMeasures));
    const qreal cellWidth = printableWidth / measureCount;
    for (int i = 0; i < measureCount; ++i) {
        const QString stem = QString::fromLatin1(compCardMeasures[i].field);
        const qreal left = i * cellWidth + 1;
        layout.objects << textBox(QStringLiteral("tit") + stem, b.box({ left, bandTop + 2, cellWidth - 2, 4 }),
            QString::fromLatin1(compCardMeasures[i].caption), b.font(6.5, true), royalBlue, Qt::AlignCenter);
        layout.objects << textBox(QStringLiteral("txt") + stem, b.box({ left, bandTop + 7, cellWidth - 2, 9 }),
            QString(), b.font(10), Qt::black, Qt::AlignCenter);
    }

    layout.objects << rectangle(
        QStringLiteral("shpAgenzia"), b.box({ 0, 124.5, printableWidth, 0.4 }), royalBlue, royalBlue);
    layout.objects << textBox(QStringLiteral("txtAgenzia"), b.box({ 0, 126, printableWidth, 6 }), QString(), b.font(9),
        slateGrey, Qt::AlignCenter);
    return layout;
}

QSize compCardPhotoBound(int pictureCount)
{
    const ReportLayout layout = compCardLayout(CompCardPaper::A4, pictureCount);
    const ReportObject* photo = layout.find(u"imgFoto");
    return boxPixels(photo->box.size(), finestPictureDpi);
}

} // namespace lumidex::report
