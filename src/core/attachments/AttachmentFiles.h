#pragma once

#include "common/FailureCause.h"

#include <QString>
#include <functional>

class QIODevice;

// The attached documents of the cards: one shared folder in the program folder,
// "Documenti_Allegati", where each file is copied under its own name; a card
// keeps only the name.
namespace lumidex::attachments {

// Longest name a card's record keeps.
inline constexpr int nameCapacity = 250;

// Whether `name`, trimmed, names a file of the attachments folder itself: not
// blank, without a path separator ("/" or "\\"), not "." or "..". A card read
// from an archive may hold any text; "../unins000.dll" would lead out of the
// folder, so such a name is treated as no attachment at all.
bool isAttachmentName(const QString& name);

// Whether a card can keep `fileName` just as it is: an attachment name of at
// most 250 characters, all of the Windows-1252 code page. Any other name would
// be stored as a different one from the file's in the folder, or read back as
// no attachment.
bool canStoreName(const QString& fileName);

// The attached file a card's name stands for: the attachments folder followed by
// the trimmed name; empty when the name is no attachment name.
QString attachedFilePath(const QString& programDir, const QString& name);

// Whether two paths lead to the same file on disk (through links too).
bool isSameFile(const QString& first, const QString& second);

// Told how many bytes of a copy are done: once before the first and after every
// piece. False stops the copy: the user no longer wants it.
using CopyStep = std::function<bool(qint64 copied)>;

// Copies all of `source` to `destination`, replacing any file of that name only
// once the copy is complete: a copy that fails or is stopped on the way leaves
// the old file (or no file) where it was, and nothing beside it. On failure
// returns false and, if asked, the cause.
[[nodiscard]] bool copyReplacing(
    QIODevice& source, const QString& destination, FailureCause* cause = nullptr, const CopyStep& step = {});
[[nodiscard]] bool copyReplacing(
    const QString& sourcePath, const QString& destination, FailureCause* cause = nullptr, const CopyStep& step = {});

enum class AttachOutcome {
    Copied, // the file is in the folder
    KeptExisting, // a file of that name was there and stays as it is
    Cancelled, // the user stopped the copy: the folder is as it was
    Failed, // the folder could not be made or the file not copied
};

// Brings `sourcePath` into the attachments folder under its trimmed name,
// creating the folder with its parents. A file of that name already there is
// replaced only when `replaceExisting` (asked only then) says so, and never when
// it is the chosen file itself; a symbolic link of that name is replaced itself,
// never written through. `step` follows the copy and may stop it. A failure
// gives its cause, if asked.
AttachOutcome attachFile(const QString& programDir, const QString& sourcePath,
    const std::function<bool()>& replaceExisting, const CopyStep& step = {}, FailureCause* cause = nullptr);

} // namespace lumidex::attachments
