#pragma once

#include "kinds/ArchiveKind.h"
#include "report/CardReport.h"
#include "ui/Interaction.h"

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;

namespace lumidex {

// What a card window does with the card: print it through the print dialog, or
// show it first in the preview.
enum class CardOutput { Print, Preview };

// The small window between a card editor and the printer: a panel of pictures
// explaining what is about to happen, "Annulla" and the action button. One
// implementation for the six windows; the card's kind and the output are values,
// the TfrmStampa... and TfrmAnteprima... classes fix them.
//
// The card comes in whole when the window is created; the photo is taken as the
// window shows, the values when the action button is pressed. Either way the
// window closes afterwards.
class CardPrintWindow : public QDialog {
    Q_OBJECT
public:
    void setCard(const report::CardValues& card);

    ArchiveKind kind() const { return m_kind; }
    CardOutput output() const { return m_output; }
    // The picture that will be printed: the card's photo reduced to what its box
    // shows on paper, or the stock picture for a card without one.
    const QImage& logo() const { return m_logo; }
    // False when the card has a photo that could not be made ready for paper:
    // the action button then says the print failed, and prints nothing.
    bool photoTaken() const { return m_photoTaken; }
    // The most pixels a photo of a card of `kind` prints at: its box at the
    // finest resolution photos are printed with.
    static QSize printedPhotoSize(ArchiveKind kind);

public slots:
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    CardPrintWindow(ArchiveKind kind, CardOutput output, const QString& windowName, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFrame* panSfondo = nullptr;
    QLabel* imgTitolo = nullptr;
    QLabel* imgPersona = nullptr;
    QFrame* shpBarra = nullptr;
    QLabel* imgIcona = nullptr;
    QLabel* imgIstruzioni = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnStampa = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* imgTemp = nullptr;

    void buildPanel();
    void takePhoto();
    [[nodiscard]] ReportResult printCard();

    ArchiveKind m_kind;
    CardOutput m_output;
    report::CardValues m_card;
    QImage m_stock;
    QImage m_logo;
    bool m_photoTaken = true;
};

} // namespace lumidex
