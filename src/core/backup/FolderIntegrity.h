#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The quick test of the program folder a backup makes before it writes: what
// it finds is told at the end and never stops the backup.
namespace lumidex::backup {

struct Finding {
    enum class Kind {
        // An archive ends in part of a record: an append cut short, harmless
        // (the part was never a card, and the next save takes its place).
        PartialRecord,
        // A card names an attached file that is not in the attachments folder.
        MissingAttachment,
        // A photo of a card beyond the archive's last card.
        PhotoPastLastCard,
    };
    Kind kind;
    // The archive, or the photo, named from the program folder.
    QString file;
    // The card naming the missing attachment.
    int position = 0;
    // The missing attachment's name.
    QString name;
    // The bytes of the partial record.
    qint64 bytes = 0;
    friend bool operator==(const Finding&, const Finding&) = default;
};

// Finds a partial last record, and every attached name a card holds that the
// attachments folder of `programDir` lacks. `archiveName` is the archive's name
// in the program folder, `bytes` the whole file as it lies.
QList<Finding> checkArchive(
    const QString& programDir, const QString& archiveName, int recordSize, QByteArrayView bytes);

// Photos (named from the program folder) whose position is past the last card
// of their archive; `cards` gives each archive's (by name) number of cards.
QList<Finding> checkPhotos(const QStringList& photos, const QHash<QString, int>& cards);

} // namespace lumidex::backup
