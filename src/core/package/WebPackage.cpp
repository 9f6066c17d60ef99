#include "package/WebPackage.h"

#include "common/Text.h"
#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "package/WebPictures.h"

#include <QSet>

namespace lumidex::package {

namespace {

// A model as its pages are written: its own file names and what was written.
struct ModelPage {
    QString base;
    QString page;
    QString name;
    WrittenPicture photo;
    QList<WrittenPicture> pictures;
};

// The files of a model's pictures in the folder "foto": named after its page.
QString photoFile(const QString& base)
{
    return QStringLiteral("foto/") + base + QStringLiteral(".jpg");
}
QString thumbnailFile(const QString& base)
{
    return QStringLiteral("foto/") + base + QStringLiteral("-mini.jpg");
}
QString pictureFile(const QString& base, qsizetype index)
{
    return QStringLiteral("foto/") + base + u'-' + QString::number(index + 1) + QStringLiteral(".jpg");
}

QString modelName(const QString& name)
{
    const QString trimmed = text::trimmed(name);
    return trimmed.isEmpty() ? QStringLiteral("Senza nome") : trimmed;
}

QString coverTitle(const PackageCover& cover)
{
    const QString client = text::trimmed(cover.client);
    return client.isEmpty() ? QStringLiteral("Pacchetto") : QStringLiteral("Pacchetto per ") + client;
}

QByteArray indexPage(const PackageCover& cover, const QList<ModelPage>& pages, const QList<PackageModel>& models)
{
    QString body = htmlHeader(coverTitle(cover),
        { cover.agencyLine,
            cover.date.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" · ")
                + (pages.size() == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(pages.size())) });
    body += QStringLiteral("<main>\n");
    if (!text::trimmed(cover.note).isEmpty())
        body += QStringLiteral("<p class=\"nota\">%1</p>\n").arg(htmlEscaped(text::trimmed(cover.note)));
    body += QStringLiteral("<ul class=\"griglia\">\n");
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const ModelPage& page = pages.at(i);
        const QString picture = page.photo.status == WrittenPicture::Status::Written
            ? htmlImage(thumbnailFile(page.base), page.photo.thumbnailSize, page.name)
            : QStringLiteral("<span class=\"senza-foto\"></span>");
        body += QStringLiteral("<li><a href=\"%1\">%2<span class=\"nome\">%3</span></a>%4</li>\n")
                    .arg(hrefOf(page.page), picture, htmlEscaped(page.name), htmlFields(models.at(i).fields));
    }
    body += QStringLiteral("</ul>\n</main>\n");
    return htmlDocument(coverTitle(cover), body);
}

QByteArray modelPage(
    const PackageCover& cover, const QList<ModelPage>& pages, qsizetype index, const PackageModel& model)
{
    const ModelPage& page = pages.at(index);
    QString nav = QStringLiteral("<nav>");
    nav += index > 0 ? htmlLink(pages.at(index - 1).page, QStringLiteral("Precedente"))
                     : QStringLiteral("<span></span>");
    nav += htmlLink(QStringLiteral("index.html"), QStringLiteral("Tutte le schede"));
    nav += index + 1 < pages.size() ? htmlLink(pages.at(index + 1).page, QStringLiteral("Successiva"))
                                    : QStringLiteral("<span></span>");
    nav += QStringLiteral("</nav>\n");

    QString body = htmlHeader(page.name, { coverTitle(cover), cover.agencyLine });
    body += QStringLiteral("<main>\n") + nav + QStringLiteral("<div class=\"scheda\">\n");
    if (page.photo.status == WrittenPicture::Status::Written)
        body += htmlImage(photoFile(page.base), page.photo.size, page.name) + u'\n';
    else
        body += QStringLiteral("<span class=\"senza-foto\"></span>\n");
    body += QStringLiteral("<div>\n") + htmlFields(model.fields) + QStringLiteral("</div>\n</div>\n");
    QString others;
    for (qsizetype i = 0; i < page.pictures.size(); ++i) {
        if (page.pictures.at(i).status == WrittenPicture::Status::Written)
            others += htmlImage(pictureFile(page.base, i), page.pictures.at(i).size,
                          page.name + QStringLiteral(", foto ") + QString::number(i + 1))
                + u'\n';
    }
    if (!others.isEmpty())
        body += QStringLiteral("<div class=\"altre\">\n") + others + QStringLiteral("</div>\n");
    body += nav + QStringLiteral("</main>\n");
    return htmlDocument(page.name, body);
}

// Every model's file name, free within the package whatever the letter case:
// two models of one name get "Nome" and "Nome (2)"; none takes the index's name.
QList<ModelPage> plannedPages(const QList<PackageModel>& models)
{
    QSet<QString> taken { QStringLiteral("index"), QStringLiteral("stile") };
    QList<ModelPage> pages;
    for (const PackageModel& model : models) {
        const QString safe = safeFileName(text::trimmed(model.name), QStringLiteral("Senza nome"));
        QString base = safe;
        for (int n = 2; taken.contains(base.toLower()); ++n)
            base = safe + QStringLiteral(" (%1)").arg(n);
        taken.insert(base.toLower());
        pages.append({ base, base + QStringLiteral(".html"), modelName(model.name), {}, {} });
    }
    return pages;
}

} // namespace

WebOutcome writeWebPackage(
    const QString& programDir, const PackageCover& cover, const QList<PackageModel>& models, const WorkStep& step)
{
    WebOutcome outcome;
    WebFolder folder;
    const QString parent = programDir + QLatin1Char('/') + QLatin1String(packagesFolderName);
    if (!folder.create(parent, datedFolderName(text::trimmed(cover.client), QStringLiteral("Pacchetto"), cover.date),
            &outcome.cause))
        return outcome;

    QList<ModelPage> pages = plannedPages(models);
    for (qsizetype i = 0; i < models.size(); ++i) {
        ModelPage& page = pages[i];
        const PackageModel& model = models.at(i);
        QList<PictureJob> jobs { { model.photoPath, true } };
        for (const QString& path : model.picturePaths)
            jobs.append({ path, false });
        const QList<EncodedPicture> encoded = encodeWebPictures(jobs);
        page.photo
            = writeWebPicture(folder, encoded.at(0), photoFile(page.base), thumbnailFile(page.base), &outcome.cause);
        if (page.photo.status == WrittenPicture::Status::Failed)
            return outcome;
        for (qsizetype p = 1; p < encoded.size(); ++p) {
            page.pictures.append(
                writeWebPicture(folder, encoded.at(p), pictureFile(page.base, p - 1), QString(), &outcome.cause));
            if (page.pictures.constLast().status == WrittenPicture::Status::Failed)
                return outcome;
        }
        if (step && !step(int(i) + 1)) {
            outcome.status = WebOutcome::Status::Cancelled;
            return outcome;
        }
    }
    // The pages last: their links and sizes need every picture written.
    for (qsizetype i = 0; i < models.size(); ++i) {
        if (!folder.write(pages.at(i).page, modelPage(cover, pages, i, models.at(i)), &outcome.cause))
            return outcome;
    }
    return folder.finish(indexPage(cover, pages, models));
}

} // namespace lumidex::package
