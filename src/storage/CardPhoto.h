#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lumidex {

// The photo an editor shows for its card, and what Save may do with it.
//
// Three rules protect the photos on disk: a picture unchanged since it was read
// from a JPEG file is written back as the very same bytes (a card saved a hundred
// times keeps its photo intact); a photo file that exists but could not be read is
// shown as the placeholder yet left alone by Save until the user puts another
// picture in its place; a card without a photo gets the placeholder as its file.
class CardPhoto {
public:
    enum class SaveResult { Written, LeftAlone, Failed };

    // The editor's placeholder picture (its hidden imgBianco).
    void setPlaceholder(const QImage& placeholder);
    const QImage& placeholder() const { return m_placeholder; }

    // The picture to display.
    const QImage& image() const { return m_image; }
    // The picture at a size that fits `bound` with its proportions kept, for a
    // larger view than the editor's frame (the zoom, a printed card); never
    // larger than the picture itself.
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
    SaveResult saveToCard(const QString& photoPath, QString* reason = nullptr) const;
    // "Salva foto": a copy of the shown picture into a file of the user's choice.
    bool exportTo(const QString& path, QString* reason = nullptr) const;

private:
    void show(const QImage& image, const QByteArray& jpegBytes);

    QImage m_placeholder;
    QImage m_image;
    QByteArray m_jpegBytes;
    bool m_showsPlaceholder = true;
    bool m_protectsUnreadableFile = false;
};

} // namespace lumidex
