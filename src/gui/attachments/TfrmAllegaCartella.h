#pragma once

#include "kinds/ArchiveKind.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace lumidex {

// The attached files of the card shown in an editor: three slots, each a file
// name and a description. "Sfoglia..." copies the chosen file into the shared
// attachments folder at once; the names and descriptions go back to the editor
// only through "Applica e chiudi", and into the archive only with the editor's
// Save. The dialog is made for the kind of the editor that opens it; its hidden
// `lblMemory` shows that kind's words ("anagrafica", "bookuomini", "bookdonne"),
// which nothing reads.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    static constexpr int slotCount = 3;

    TfrmAllegaCartella(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    // The card's attachments in record order: the three names, then the three
    // descriptions. Each is trimmed.
    void setAttachments(const QStringList& values);
    QStringList attachments() const;

    // What "Applica e chiudi" gave back, in record order and trimmed; nothing
    // after "Annulla".
    const std::optional<QStringList>& appliedAttachments() const { return m_applied; }

public slots:
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* txtFile01 = nullptr;
    QLineEdit* txtFile02 = nullptr;
    QLineEdit* txtFile03 = nullptr;
    QToolButton* imgCancella01 = nullptr;
    QToolButton* imgCancella02 = nullptr;
    QToolButton* imgCancella03 = nullptr;
    QPushButton* btnSfoglia01 = nullptr;
    QPushButton* btnSfoglia02 = nullptr;
    QPushButton* btnSfoglia03 = nullptr;
    QPushButton* btnApri01 = nullptr;
    QPushButton* btnApri02 = nullptr;
    QPushButton* btnApri03 = nullptr;
    QLineEdit* txtDesc01 = nullptr;
    QLineEdit* txtDesc02 = nullptr;
    QLineEdit* txtDesc03 = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnApplica = nullptr;
    QLabel* lblMemory = nullptr;
    // Says what became of a character the card could not keep.
    QLabel* panInfo = nullptr;

    struct Slot {
        QLineEdit* txtFile = nullptr;
        QToolButton* imgCancella = nullptr;
        QPushButton* btnSfoglia = nullptr;
        QPushButton* btnApri = nullptr;
        QLineEdit* txtDesc = nullptr;
    };

    QWidget* buildSlot(QWidget* parent, int index);
    void nameChanged(int index);
    void browse(int index);
    void open(int index);
    void erase(int index);

    QString m_programDir;
    std::array<Slot, slotCount> m_slots;
    std::optional<QStringList> m_applied;
};

} // namespace lumidex
