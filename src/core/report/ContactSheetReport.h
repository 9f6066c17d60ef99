#pragma once

#include "report/ContactSheetLayout.h"
#include "report/PrintableReport.h"

#include <QImage>
#include <QList>
#include <QString>
#include <vector>

class QPaintDevice;

namespace lumidex::report {

// One entry of a book as its contact sheet shows it.
struct ContactEntry {
    int position = 0;
    QString title;
    QString date;
};

// The book a contact sheet is printed for, and where its photos are.
struct ContactSheetBook {
    QString name;
    QString programDir;
    // The side's photo folder ("Book_Uomini", "Book_Donne").
    QString photoFolder;
    // What an entry without a readable photo shows: the editor's placeholder.
    QImage placeholder;
};

// The resolution the thumbnails are decoded at for `device`: the device's own,
// up to contactSheetDpi on paper and up to contactSheetPreviewDpi on a device
// that records its pages instead (the print preview).
qreal thumbnailDpi(const QPaintDevice& device);

// Every entry of the book at `bookPath`, in file order, with its position, title
// and date: one visit of the archive reading those two fields only. Throws
// ArchiveError.
QList<ContactEntry> readContactEntries(const QString& bookPath);

// The contact sheet of a book, ready for paper. Only the entries' texts are held:
// each page decodes the photos of its own entries as it is painted, at the size
// they print, and lets them go with the page, so a book of hundreds of camera
// photos never has more than one page of thumbnails in memory.
class ContactSheetReport : public PrintableReport {
public:
    ContactSheetReport(ContactSheetBook book, QList<ContactEntry> entries);

    QString name() const override;
    QPageLayout pageLayout() const override;
    int pageCount() const override;
    [[nodiscard]] bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override;
    bool slowPages() const override { return true; }
    QString pageProgress(ReportUse use, int page, int pages) const override;

    // The objects of page `page` (0-based) in their places, the thumbnails
    // decoded for a device of `dpi`.
    QList<ReportObject> pageObjects(int page, qreal dpi) const;

private:
    // The thumbnails of entries first .. first + count - 1, in order.
    std::vector<QImage> pageThumbnails(qsizetype first, qsizetype count, qreal dpi) const;
    QImage thumbnail(const ContactEntry& entry, const QSize& bound) const;

    ContactSheetBook m_book;
    QList<ContactEntry> m_entries;
    ContactSheetLayout m_layout;
};

} // namespace lumidex::report
