#pragma once

#include "gui/editor/CardEditor.h"

class QToolButton;

namespace lumidex {

// The registry card editor: one card per person in "Archivio_Anagrafico.pro",
// with its photo in the folder "Anagrafica", and the aids beside the fields that
// hold codes: the identity checks, the mail button and the typing rules.
class TfrmAnagrafica : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(const QString& programDir, QWidget* parent = nullptr);

    QString archivePath() const override;

public slots:
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnIbanClick();
    void btnEmailClick();

protected:
    bool fieldKeyPress(QLineEdit* field, QKeyEvent* event) override;

private:
    // The card's edit fields, in record order.
    QLineEdit* const txtNome;
    QLineEdit* const txtSesso;
    QLineEdit* const txtDataNasc;
    QLineEdit* const txtCittadinanza;
    QLineEdit* const txtLuogoNasc;
    QLineEdit* const txtIndirizzo;
    QLineEdit* const txtCodFisc;
    QLineEdit* const txtEstremi;
    QLineEdit* const txtEmail;
    QLineEdit* const txtTel;
    QLineEdit* const txtCellulare;
    QLineEdit* const txtStudio;
    QLineEdit* const txtLingue;
    QLineEdit* const txtPartitaIva;
    QLineEdit* const txtIban;
    QLineEdit* const txtAltezza;
    QLineEdit* const txtPeso;
    QLineEdit* const txtVita;
    QLineEdit* const txtFianchi;
    QLineEdit* const txtOcchi;
    QLineEdit* const txtCapelli;
    QLineEdit* const txtTaglia;
    QLineEdit* const txtScarpe;
    QLineEdit* const txtEsperienze;
    QLineEdit* const txtDisponibilita;
    QLineEdit* const txtNote;
    QToolButton* const btnCodFisc;
    QToolButton* const btnEmail;
    QToolButton* const btnPartitaIva;
    QToolButton* const btnIban;

    void connectFieldAids();
    QWidget* buildFieldArea();
};

} // namespace lumidex
