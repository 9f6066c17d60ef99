#pragma once

#include "editing/CardChanges.h"
#include "kinds/ArchiveKind.h"
#include "storage/ArchiveError.h"
#include "storage/Card.h"
#include "storage/CardPhoto.h"
#include "ui/WorkScreen.h"

#include <QList>
#include <QSize>
#include <QString>

class QBoxLayout;
class QCloseEvent;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

namespace lumidex {

enum class FoundCardOpening;
enum class Move;
class FindQuery;
struct ArchiveProfile;

// The working screen shared by the registry card editor and the book entry
// editors: one card at a time, its position label, the toolbar, the photo panel,
// the navigation, Save, Duplicate and New. The window keeps no copy of the
// archive; its controls are the card. What differs between the kinds (caption,
// record, required fields, toolbar, pictures) comes from the kind's profile.
class CardEditor : public WorkScreen {
    Q_OBJECT
public:
    // The photo frame of every card, and the size of its placeholder picture.
    static constexpr QSize photoFrameSize { 307, 409 };

    CardEditor(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    const QString& programDir() const { return m_programDir; }
    ArchiveKind kind() const { return m_kind; }
    const ArchiveProfile& profile() const { return m_profile; }

    // The card's controls, in record order.
    const QList<QLineEdit*>& fields() const { return m_fields; }
    QLineEdit* field(int index) const { return m_fields.at(index); }
    const QList<QLabel*>& attachmentLabels() const { return m_attachments; }
    const CardPhoto& photo() const { return m_photo; }

    // The archive file this editor works on.
    virtual QString archivePath() const = 0;
    // The name of the book this editor works on, as its title label shows it;
    // empty for the registry.
    virtual QString bookName() const { return {}; }
    // The photo file of the card at `position`.
    QString photoPath(const QString& position) const;

    // The card as a record, as the editor shows it: edit fields, then attachment labels.
    QStringList currentValues() const;

    // Whether the shown card holds work the archive does not: its texts, photo
    // or attached files differ from when it was put on screen or last saved.
    bool hasUnsavedChanges() const;
    // What became of the shown card when another was about to take its place.
    enum class Leaving {
        Stay, // Annulla, or Sì and the Save stopped: the card stays as it is
        Go, // nothing to keep, or No: the card may go as it is
        GoSaved, // Sì, and the Save stored it
    };
    // The one gate before the shown card gives way (a move, New, Duplicate, a
    // card found by the search, leaving the editor): a card with unsaved
    // changes asks whether to save them first. A card without changes goes
    // without a question.
    Leaving mayLeaveShownCard();
    // Puts the stored card `card` on screen with its photo in place of the shown
    // one, once that one may leave: the moves and the search end here. False
    // when the shown card stays.
    bool showStoredCard(const Card& card);

public slots:
    void cmdNuovoClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void cmdEsciClick();
    void btnCaricaFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();
    // The windows that take the card or the archive out of the program.
    void cmdTrovaClick();
    void cmdEsportaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdSlideshowClick();
    void cmdFileClick();
    void cmdCompCardClick();
    void cmdProvinoClick();
    void cmdPacchettoClick();
    void cmdGalleriaClick();
    void cmdGuidaClick();

protected:
    QLabel* const lblPosizione;
    QLabel* const imgFoto;
    QLabel* const imgBianco;
    QToolButton* const cmdNuovo;
    QToolButton* const cmdDuplica;
    QToolButton* const cmdSalva;
    QToolButton* const cmdTrova;
    QToolButton* const cmdFile;
    QToolButton* const cmdStampa;
    QToolButton* const cmdAnteprima;
    QToolButton* const cmdPrimo;
    QToolButton* const cmdIndietro;
    QToolButton* const cmdAvanti;
    QToolButton* const cmdUltimo;
    QToolButton* const cmdEsporta;
    QToolButton* const cmdSlideshow;
    QToolButton* const cmdGuida;
    QToolButton* const cmdEsci;
    QToolButton* const btnCaricaFoto;
    QToolButton* const btnSalvaFoto;
    QToolButton* const btnCancFoto;
    QToolButton* const btnZoomFoto;
    // The registry's comp card and the books' contact sheet: each kind has one
    // of the two, the other is null.
    QToolButton* const cmdCompCard;
    QToolButton* const cmdProvino;
    // What the card's archive makes for the web: the registry's package for a
    // client and a book's gallery; each kind has one, the other is null.
    QToolButton* const cmdPacchetto;
    QToolButton* const cmdGalleria;

    // Lays the subclass's field area beside the photo panel, and the notes (the
    // card's last field) under both. Called once from the subclass's constructor.
    void finishLayout(QWidget* fieldArea);
    // A key going down in one of the card's fields, before the editor's own
    // handling (Enter moves to the next field). Return true to consume it.
    virtual bool fieldKeyPress(QLineEdit* field, QKeyEvent* event);
    // The field Enter moves to from `index`.
    virtual int nextFieldAfter(int index) const;
    // "Carica foto" made the picture file at `path` the card's photo.
    virtual void photoLoaded(const QString& path);
    // The field that gets the focus on a new card.
    QLineEdit* firstField() const { return m_fields.constFirst(); }
    // The heading of the card (a picture, a book's name) with the find field
    // at its right, as a row for the subclass's field area.
    QWidget* headingRow(QWidget* heading);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Exit and the window's own close both end here: the shown card may keep
    // the editor open.
    void closeEvent(QCloseEvent* event) override;

    void refreshPhoto();
    void showArchiveError(const ArchiveError& error);

private:
    QWidget* buildToolbar();
    QWidget* buildPhotoPanel();
    QWidget* buildNotesRow();
    void move(Move move);
    // Fills the card from a stored record and loads its photo.
    void showRecord(int position, const QStringList& values);
    // Empties the card and shows the placeholder: a new card.
    void clearCard();
    // Save: true once the card and its photo are stored.
    [[nodiscard]] bool saveCard();
    CardPhoto::SaveResult savePhoto(FailureCause* cause);
    // The find field, and the card chosen in its list put on screen as a card
    // chosen in the search is.
    QLineEdit* makeFindField();
    FoundCardOpening openFoundCard(int position, const FindQuery& query);

    // The card as shown, and as it was put on screen or last saved.
    CardState cardOnScreen() const;
    void rememberShownCard();
    void rememberShownPhoto();
    bool photoChanged() const;

    QString m_programDir;
    ArchiveKind m_kind;
    const ArchiveProfile& m_profile;
    QList<QLineEdit*> m_fields;
    QList<QLabel*> m_attachments;
    CardPhoto m_photo;
    CardState m_loaded;
    QWidget* m_section = nullptr;
    QLineEdit* m_findField = nullptr;
};

} // namespace lumidex
