#include "backup/FolderIntegrity.h"

#include "attachments/AttachmentFiles.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordView.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <climits>

namespace lumidex::backup {

QList<Finding> checkArchive(const QString& programDir, const QString& archiveName, int recordSize, QByteArrayView bytes)
{
    QList<Finding> findings;
    const RecordLayout& layout = recordSize == layouts::registry.size() ? layouts::registry : layouts::book;
    const int firstAttachment
        = recordSize == layouts::registry.size() ? layouts::registryEditFields : layouts::bookEditFields;
    const qint64 records = bytes.size() / recordSize;
    // Each name is looked for once, however many cards hold it.
    QHash<QString, bool> present;
    for (qint64 i = 0; i < records; ++i) {
        const RecordView record(layout, bytes.sliced(i * recordSize, recordSize));
        for (int field = firstAttachment; field < firstAttachment + 3; ++field) {
            if (record.storedText(field).isEmpty())
                continue;
            const QString name = record.text(field);
            if (!attachments::isAttachmentName(name))
                continue;
            auto known = present.find(name);
            if (known == present.end())
                known = present.insert(name, QFileInfo(attachments::attachedFilePath(programDir, name)).isFile());
            if (!*known)
                findings.append({ Finding::Kind::MissingAttachment, archiveName, int(i + 1), name, 0 });
        }
    }
    if (bytes.size() % recordSize != 0)
        findings.append({ Finding::Kind::PartialRecord, archiveName, 0, {}, bytes.size() % recordSize });
    return findings;
}

QList<Finding> checkPhotos(const QStringList& photos, const QHash<QString, int>& cards)
{
    static const QRegularExpression registryPhoto(QStringLiteral("^Scheda_(\\d+)\\.jpg$"));
    static const QRegularExpression bookPhoto(QStringLiteral("^(.*)_Foto_(\\d+)\\.jpg$"));
    const QString registryFolder = QString::fromLatin1(programfolder::registryPhotoFolder);
    const QString menFolder = QString::fromLatin1(programfolder::menPhotoFolder);
    const QString womenFolder = QString::fromLatin1(programfolder::womenPhotoFolder);
    QList<Finding> findings;
    for (const QString& photo : photos) {
        const qsizetype slash = photo.indexOf(QLatin1Char('/'));
        // Only photos straight in their folder are a card's.
        if (slash < 0 || photo.indexOf(QLatin1Char('/'), slash + 1) >= 0)
            continue;
        const QString folder = photo.left(slash);
        const QString name = photo.mid(slash + 1);
        QString archive;
        qint64 position = 0;
        if (folder == registryFolder) {
            const QRegularExpressionMatch match = registryPhoto.match(name);
            if (!match.hasMatch())
                continue;
            archive = QString::fromLatin1(programfolder::registryArchiveName);
            position = match.captured(1).toLongLong();
        } else if (folder == menFolder || folder == womenFolder) {
            const QRegularExpressionMatch match = bookPhoto.match(name);
            if (!match.hasMatch())
                continue;
            archive = match.captured(1) + (folder == menFolder ? QStringLiteral(".men") : QStringLiteral(".wmn"));
            position = match.captured(2).toLongLong();
        } else {
            continue;
        }
        if (position > cards.value(archive, 0))
            findings.append({ Finding::Kind::PhotoPastLastCard, photo, int(qMin<qint64>(position, INT_MAX)), {}, 0 });
    }
    return findings;
}

} // namespace lumidex::backup
