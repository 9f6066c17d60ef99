#pragma once

#include "package/PackageCards.h"
#include "package/PackageFields.h"
#include "package/WebPackage.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace lumidex {

// A package of cards for a client: the registry's cards with a check box each,
// narrowed by a filter as the user types, the client's name and a note for the
// cover, what the package shows of each card (the personal data only where
// ticked one by one), then a PDF through the print dialog or a web page in the
// program folder.
class TfrmPacchetto : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPacchetto(QWidget* parent = nullptr);

    // The registry of `programDir` and its cards, as read for the list.
    void setRegistry(const QString& programDir, QList<package::PackageCard> cards);

    // What the package shows, as the check boxes say now.
    package::FieldChoice fieldChoice() const;
    package::PackageCardModel& cards() { return m_cards; }
    package::PackageCardFilter& filteredCards() { return m_filter; }

    // The check box of registry field `field`, or null when it is not offered.
    QCheckBox* fieldBox(int field) const;

public slots:
    void txtFiltroChange();
    void cmdSelezionaTutteClick();
    void cmdDeselezionaTutteClick();
    void cmdCreaPdfClick();
    void cmdCreaWebClick();
    void cmdChiudiClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFrame* const panSfondo;
    QLineEdit* const txtFiltro;
    QListView* const lstSchede;
    QPushButton* const cmdSelezionaTutte;
    QPushButton* const cmdDeselezionaTutte;
    QLabel* const lblScelte;
    QLineEdit* const txtCliente;
    QPlainTextEdit* const txtNota;
    // A check box per offered field, in the order offered (`chk` + field name),
    // and one for the attached pictures.
    const QList<QCheckBox*> chkCampi;
    QCheckBox* const chkFoto;
    QPushButton* const cmdCreaPdf;
    QPushButton* const cmdCreaWeb;
    QPushButton* const cmdChiudi;

    void layOut();
    void showChosenCount();
    void tickShown(bool checked);
    package::PackageCover cover() const;
    // The chosen cards' whole records, read in one visit; empty (and the user told
    // why) when none is chosen or the archive cannot be read.
    QList<Card> chosenRecords();
    QStringList attachedPictures(const QStringList& record, const package::FieldChoice& choice) const;
    QString photoPath(int position) const;

    QString m_programDir;
    package::PackageCardModel m_cards;
    package::PackageCardFilter m_filter;
};

} // namespace lumidex
