#include "package/WebGallery.h"

#include "common/Text.h"
#include "kinds/ArchiveProfile.h"
#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "package/WebPictures.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <QThread>

namespace lumidex::package {

namespace {

QString pageFile(qsizetype index)
{
    return QStringLiteral("foto-") + QString::number(index + 1) + QStringLiteral(".html");
}
QString galleryPhotoFile(qsizetype index)
{
    return QStringLiteral("foto/") + QString::number(index + 1) + QStringLiteral(".jpg");
}
QString galleryThumbnailFile(qsizetype index)
{
    return QStringLiteral("miniature/") + QString::number(index + 1) + QStringLiteral(".jpg");
}

QString entryTitle(const GalleryEntry& entry, qsizetype index)
{
    const QString title = text::trimmed(entry.title);
    return title.isEmpty() ? QStringLiteral("Foto ") + QString::number(index + 1) : title;
}

QString photoCount(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 foto") : QString::number(count) + QStringLiteral(" foto");
}

QByteArray galleryIndexPage(const QString& bookName, const QDate& date, const QList<GalleryEntry>& entries,
    const QList<WrittenPicture>& pictures)
{
    QString body = htmlHeader(bookName,
        { QStringLiteral("Book fotografico · ") + photoCount(entries.size()) + QStringLiteral(" · ")
            + date.toString(QStringLiteral("dd/MM/yyyy")) });
    body += QStringLiteral("<main>\n<ul class=\"griglia\">\n");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString title = entryTitle(entries.at(i), i);
        const QString picture = pictures.at(i).status == WrittenPicture::Status::Written
            ? htmlImage(galleryThumbnailFile(i), pictures.at(i).thumbnailSize, title)
            : QStringLiteral("<span class=\"senza-foto\"></span>");
        body += QStringLiteral("<li><a href=\"%1\">%2<span class=\"nome\">%3</span></a>"
                               "<span class=\"didascalia\">%4</span></li>\n")
                    .arg(hrefOf(pageFile(i)), picture, htmlEscaped(title),
                        htmlEscaped(text::trimmed(entries.at(i).date)));
    }
    body += QStringLiteral("</ul>\n</main>\n");
    return htmlDocument(bookName, body);
}

QByteArray photoPage(
    const QString& bookName, const QList<GalleryEntry>& entries, qsizetype index, const WrittenPicture& picture)
{
    const GalleryEntry& entry = entries.at(index);
    const QString title = entryTitle(entry, index);
    QString nav = QStringLiteral("<nav>");
    nav += index > 0 ? htmlLink(pageFile(index - 1), QStringLiteral("Precedente")) : QStringLiteral("<span></span>");
    nav += htmlLink(QStringLiteral("index.html"), QStringLiteral("Galleria"));
    nav += index + 1 < entries.size() ? htmlLink(pageFile(index + 1), QStringLiteral("Successiva"))
                                      : QStringLiteral("<span></span>");
    nav += QStringLiteral("</nav>\n");

    QList<ShownField> fields;
    const auto add = [&fields](const QString& caption, const QString& value) {
        if (!text::trimmed(value).isEmpty())
            fields.append({ caption, text::trimmed(value) });
    };
    add(QStringLiteral("Titolo"), entry.title);
    add(QStringLiteral("Descrizione"), entry.description);
    add(QStringLiteral("Data"), entry.date);
    add(QStringLiteral("Location"), entry.location);
    add(QStringLiteral("Fotografo"), entry.photographer);

    QString body = htmlHeader(title,
        { bookName + QStringLiteral(" · foto ") + QString::number(index + 1) + QStringLiteral(" di ")
            + QString::number(entries.size()) });
    body += QStringLiteral("<main>\n") + nav + QStringLiteral("<div class=\"scheda\">\n");
    body += picture.status == WrittenPicture::Status::Written
        ? htmlImage(galleryPhotoFile(index), picture.size, title, QStringLiteral("foto-grande"))
        : QStringLiteral("<span class=\"senza-foto\"></span>");
    body += QStringLiteral("\n<div>\n") + htmlFields(fields) + QStringLiteral("</div>\n</div>\n") + nav
        + QStringLiteral("</main>\n");
    return htmlDocument(title, body);
}

} // namespace

QList<GalleryEntry> readGalleryEntries(
    const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookPath)
{
    const ArchiveProfile& profile = archiveProfile(kind);
    constexpr auto field = [](std::string_view name) { return layouts::book.indexOf(name); };
    QList<GalleryEntry> entries;
    Archive(bookPath, profile.layout).visit([&](int position, const RecordView& record) {
        entries.append({ record.text(field("Titolo")), record.text(field("Descrizione")), record.text(field("Data")),
            record.text(field("Location")), record.text(field("Fotografo")),
            profile.photoPath(programDir, bookName, QString::number(position)) });
        return true;
    });
    return entries;
}

WebOutcome writeWebGallery(const QString& programDir, const QString& bookName, const QDate& date,
    const QList<GalleryEntry>& entries, const WorkStep& step)
{
    WebOutcome outcome;
    WebFolder folder;
    const QString name = text::trimmed(bookName);
    const QString parent = programDir + QLatin1Char('/') + QLatin1String(galleriesFolderName);
    if (!folder.create(parent, datedFolderName(name, QStringLiteral("Book"), date), &outcome.cause))
        return outcome;

    // The photos a few at a time, as many as the computer has cores, so that the
    // user can stop the work between two batches.
    QList<WrittenPicture> pictures;
    const qsizetype batch = qMax(1, QThread::idealThreadCount());
    for (qsizetype first = 0; first < entries.size(); first += batch) {
        QList<PictureJob> jobs;
        for (qsizetype i = first; i < qMin(first + batch, entries.size()); ++i)
            jobs.append({ entries.at(i).photoPath, true });
        const QList<EncodedPicture> encoded = encodeWebPictures(jobs);
        for (qsizetype j = 0; j < encoded.size(); ++j) {
            pictures.append(writeWebPicture(
                folder, encoded.at(j), galleryPhotoFile(first + j), galleryThumbnailFile(first + j), &outcome.cause));
            if (pictures.constLast().status == WrittenPicture::Status::Failed)
                return outcome;
        }
        if (step && !step(int(pictures.size()))) {
            outcome.status = WebOutcome::Status::Cancelled;
            return outcome;
        }
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!folder.write(pageFile(i), photoPage(name, entries, i, pictures.at(i)), &outcome.cause))
            return outcome;
    }
    return folder.finish(galleryIndexPage(name, date, entries, pictures));
}

} // namespace lumidex::package
