#include "report/CompCardReport.h"

#include "attachments/AttachmentFiles.h"
#include "common/Text.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"

#include <QFileInfo>
#include <QImageReader>

namespace lumidex::report {

namespace {

QString compCardFieldText(const QStringList& fields, std::string_view fieldName)
{
    const int index = layouts::registry.indexOf(fieldName);
    return index >= 0 && index < fields.size() ? text::trimmed(fields.at(index)) : QString();
}

// Judged by the file's header alone: a document of any size is never read through.
bool isReadablePicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    return reader.canRead();
}

} // namespace

QStringList attachedPictures(const QString& programDir, const QStringList& names)
{
    QStringList pictures;
    for (const QString& name : names) {
        if (pictures.size() == compCardMaxPictures)
            break;
        // Empty for a blank name and for one that would lead out of the folder.
        const QString path = attachments::attachedFilePath(programDir, name);
        if (!path.isEmpty() && isReadablePicture(path))
            pictures << path;
    }
    return pictures;
}

std::optional<ReportLayout> filledCompCard(CompCardPaper paper, const CompCardValues& card, const QString& agencyLine)
{
    const int count = int(qMin<qsizetype>(card.picturePaths.size(), compCardMaxPictures));
    ReportLayout layout = compCardLayout(paper, count);
    if (!layout.setPicture(u"imgFoto", card.photo))
        return std::nullopt;
    layout.setText(u"txtNome", compCardFieldText(card.fields, "Nome"));
    for (const CompCardMeasure& measure : compCardMeasures)
        layout.setText(
            QStringLiteral("txt") + QLatin1String(measure.field), compCardFieldText(card.fields, measure.field));
    layout.setText(u"txtAgenzia", text::trimmed(agencyLine));

    for (int i = 0; i < count; ++i) {
        const QString name = compCardPictureName(i);
        ReportObject* box = layout.find(name);
        const photofiles::DecodedPicture picture
            = photofiles::decodePictureFitting(card.picturePaths.at(i), boxPixels(box->box.size(), finestPictureDpi));
        if (picture.status == photofiles::DecodedPicture::Status::Loaded)
            layout.setPicture(name, picture.image);
    }
    return layout;
}

} // namespace lumidex::report
