#include "report/ContactSheetReport.h"

#include "common/SideBySide.h"
#include "common/Text.h"
#include "report/ReportPainter.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "texts/ContactSheetTexts.h"

#include <QPagedPaintDevice>
#include <exception>

namespace lumidex::report {

qreal thumbnailDpi(const QPaintDevice& device)
{
    return qMin<qreal>(device.logicalDpiY(), recordsPages(device) ? contactSheetPreviewDpi : contactSheetDpi);
}

QList<ContactEntry> readContactEntries(const QString& bookPath)
{
    constexpr int title = layouts::book.indexOf("Titolo");
    constexpr int date = layouts::book.indexOf("Data");
    QList<ContactEntry> entries;
    Archive(bookPath, layouts::book).visit([&entries](int position, const RecordView& record) {
        entries << ContactEntry { position, record.text(title), record.text(date) };
        return true;
    });
    return entries;
}

ContactSheetReport::ContactSheetReport(ContactSheetBook book, QList<ContactEntry> entries)
    : m_book(std::move(book))
    , m_entries(std::move(entries))
    , m_layout(contactSheetLayout())
{ }

QString ContactSheetReport::name() const
{
    return m_layout.page.name;
}

QPageLayout ContactSheetReport::pageLayout() const
{
    return m_layout.page.page;
}

int ContactSheetReport::pageCount() const
{
    const int perPage = m_layout.entriesPerPage();
    return qMax(1, int((m_entries.size() + perPage - 1) / perPage));
}

bool ContactSheetReport::paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const
{
    if (page < 0 || page >= pageCount())
        return false;
    return paintObjects(painter, device, pageLayout(), pageObjects(page, thumbnailDpi(device)));
}

QString ContactSheetReport::pageProgress(ReportUse use, int page, int pages) const
{
    return use == ReportUse::Print ? contactsheettext::printingPage(page, pages)
                                   : contactsheettext::previewingPage(page, pages);
}

QList<ReportObject> ContactSheetReport::pageObjects(int page, qreal dpi) const
{
    ReportLayout header = m_layout.page;
    header.setText(u"txtNome", text::trimmed(m_book.name));
    header.setText(u"txtPagina", QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pageCount()));
    QList<ReportObject> objects = header.objects;

    const int perPage = m_layout.entriesPerPage();
    const qsizetype first = qsizetype(page) * perPage;
    const qsizetype count = qBound(qsizetype(0), m_entries.size() - first, qsizetype(perPage));
    const std::vector<QImage> thumbnails = pageThumbnails(first, count, dpi);
    for (qsizetype i = 0; i < count; ++i) {
        const ContactEntry& entry = m_entries.at(first + i);
        const QPointF origin = m_layout.cellOrigin(int(i));
        for (ReportObject object : m_layout.cell) {
            if (object.kind == ObjectKind::Picture)
                object.picture = thumbnails.at(std::size_t(i));
            else if (object.name == QLatin1String("txtPosizione"))
                object.text = QStringLiteral("N. %1").arg(entry.position);
            else if (object.name == QLatin1String("txtData"))
                object.text = entry.date;
            else if (object.name == QLatin1String("txtTitolo"))
                object.text = entry.title;
            object.box.translate(origin);
            objects << object;
        }
    }
    return objects;
}

std::vector<QImage> ContactSheetReport::pageThumbnails(qsizetype first, qsizetype count, qreal dpi) const
{
    QSizeF box;
    for (const ReportObject& object : m_layout.cell)
        if (object.kind == ObjectKind::Picture)
            box = object.box.size();
    const QSize bound = boxPixels(box, dpi);
    std::vector<QImage> thumbnails;
    thumbnails.resize(std::size_t(count));
    if (count == 0)
        return thumbnails;
    // A camera's photo takes a good tenth of a second to decode even at a
    // fraction of its size: the photos of a page are decoded side by side, on as
    // many threads as the computer has cores. The decoder's process-wide limit
    // was set at start-up (photofiles::allowLargePictures), never here.
    sidebyside::forEachIndex(count, [&](qsizetype i) {
        try {
            thumbnails[std::size_t(i)] = thumbnail(m_entries.at(first + i), bound);
        } catch (const std::exception&) {
            thumbnails[std::size_t(i)] = m_book.placeholder;
        }
    });
    return thumbnails;
}

QImage ContactSheetReport::thumbnail(const ContactEntry& entry, const QSize& bound) const
{
    const QString path = photofiles::bookPhotoPath(
        m_book.programDir, m_book.photoFolder, m_book.name, QString::number(entry.position));
    const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(path, bound);
    if (picture.status == photofiles::DecodedPicture::Status::Loaded)
        return picture.image;
    return m_book.placeholder;
}

} // namespace lumidex::report
