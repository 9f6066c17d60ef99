#pragma once

#include "kinds/ArchiveKind.h"
#include "slideshow/PicturePreloader.h"
#include "ui/PictureScreen.h"

class QLabel;
class QTimer;
class QToolButton;

namespace lumidex {

struct ArchiveProfile;

// The slideshow: the photo of every card of an archive, one card per interval in
// file order, starting over after the last one, until the user clicks the photo
// or presses Escape. The registry slideshow runs over the registry archive; a book
// slideshow over the book its editor hands over in `lblNome` and `lblFile`. It
// shows the photos the way the zoom window shows one, as large as the screen
// allows; no text of the cards.
class ArchiveError;

class SlideshowWindow : public PictureScreen {
    Q_OBJECT
public:
    static constexpr int intervalMs = 6000;

    SlideshowWindow(const QString& programDir, ArchiveKind kind, const QString& objectName, QWidget* parent = nullptr);

    // Book slideshows: the book whose entries are shown.
    void setBook(const QString& bookName, const QString& filePath);

    // Off until the window is shown; tests may shorten its interval.
    QTimer* Timer = nullptr;

    bool showsWaitingPicture() const { return m_waiting; }
    // Waits for the photo being decoded ahead of the next step.
    void finishDecodingAhead() { m_preloader.wait(); }

public slots:
    void cmdAvantiClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The position of the card shown: "0" before the first card of a cycle, empty
    // when the archive turned out empty.
    QLabel* lblPosizione = nullptr;
    // Book slideshows: the book's name, which names its photos, and its file (none
    // for the registry).
    QLabel* lblNome = nullptr;
    QLabel* lblFile = nullptr;
    // The waiting picture, shown first and for a card without a readable photo.
    QLabel* imgBianco = nullptr;
    // The step; its button is never visible, the timer presses it.
    QToolButton* cmdAvanti = nullptr;

    QString archivePath() const;
    QString photoPath(int position) const;
    // The most pixels a photo can fill once the window is maximised.
    QSize photoBound() const;
    void showCardPhoto(int position);
    void showWaitingPicture();
    void showStepFailure(const ArchiveError& error);

    QString m_programDir;
    const ArchiveProfile& m_profile;
    bool m_waiting = true;
    bool m_resumeWhenShown = false;
    PicturePreloader m_preloader;
};

} // namespace lumidex
