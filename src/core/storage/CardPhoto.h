#pragma once

#include "common/FailureCause.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace lumidex {

namespace photofiles {
struct KeptPicture;
}

// The photo an editor shows for its card, and what Save may do with it.
//
// Three rules protect the photos on disk: a picture unchanged since it was read
// from a JPEG file is written back as the very same bytes (a card saved a hundred
// times keeps its photo intact); a photo file that exists but could not be read is
// shown as the placeholder yet left alone by Save until the user puts another
// picture in its place; a card without a photo gets the placeholder as its file.
//
// The photo is kept as its file's bytes and decoded only at the size it is shown:
// a camera's 45-megapixel picture costs its file's size in memory, not the
// 200 megabytes of its pixels, and a larger view (the zoom, a printed card) asks
// for its own size and has it decoded from the bytes.
class CardPhoto {
public:
    enum class SaveResult { Written, LeftAlone, Failed };

    // The editor's placeholder picture (its hidden imgBianco).
    void setPlaceholder(const QImage& placeholder);
    const QImage& placeholder() const { return m_placeholder; }

    // The most pixels the editor's frame shows a photo at (its size at the
    // screen's pixel density): photos are decoded no larger for display. Empty,
    // as it starts, shows photos at their own size. A photo on show is decoded
    // again at the new size.
    void setShownSize(const QSize& pixels);
    const QSize& shownSize() const { return m_shownSize; }

    // The picture to display.
    const QImage& image() const { return m_image; }
    // The picture at a size that fits `bound` with its proportions kept, for a
    // larger view than the editor's frame (the zoom, a printed card); never
    // larger than the picture itself. A photo is decoded again from its file's
    // bytes at that size.
    QImage pictureFitting(const QSize& bound) const;
    bool showsPlaceholder() const { return m_showsPlaceholder; }

    // New card, Duplicate, "Cancella foto": the placeholder, saved as such.
    void showPlaceholder();
    // After a move to a card: its photo file, the placeholder when it is missing
    // or cannot be read (a file that cannot be read is then protected from Save).
    void loadFromCard(const QString& photoPath);
    // "Carica foto": any picture file; one that cannot be read shows the
    // placeholder. Either way it replaces the card's photo at the next Save.
    bool loadFromFile(const QString& path);
    // Save of the card: writes the photo file of the card's position.
    [[nodiscard]] SaveResult saveToCard(const QString& photoPath, FailureCause* cause = nullptr) const;
    // "Salva foto": a copy of the shown picture into a file of the user's choice.
    [[nodiscard]] bool exportTo(const QString& path, FailureCause* cause = nullptr) const;

private:
    void show(photofiles::KeptPicture&& picture);
    // Drops the photo shown before a new one is read, so that two camera files
    // are never held at once.
    void forgetPhoto();
    bool writeTo(const QString& path, bool createFolder, FailureCause* cause) const;

    QImage m_placeholder;
    QImage m_image;
    // The photo file's own bytes; empty while the placeholder is shown.
    QByteArray m_bytes;
    bool m_bytesAreJpeg = false;
    // The photo's own size, upright.
    QSize m_wholeSize;
    QSize m_shownSize;
    bool m_showsPlaceholder = true;
    bool m_protectsUnreadableFile = false;
};

} // namespace lumidex
