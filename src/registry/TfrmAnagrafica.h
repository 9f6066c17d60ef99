#pragma once

#include "editor/CardEditor.h"

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
    QString photoPath(const QString& position) const override;

    // The card's edit fields, in record order.
    QLineEdit* txtNome = nullptr;
    QLineEdit* txtSesso = nullptr;
    QLineEdit* txtDataNasc = nullptr;
    QLineEdit* txtCittadinanza = nullptr;
    QLineEdit* txtLuogoNasc = nullptr;
    QLineEdit* txtIndirizzo = nullptr;
    QLineEdit* txtCodFisc = nullptr;
    QLineEdit* txtEstremi = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtCellulare = nullptr;
    QLineEdit* txtStudio = nullptr;
    QLineEdit* txtLingue = nullptr;
    QLineEdit* txtPartitaIva = nullptr;
    QLineEdit* txtIban = nullptr;
    QLineEdit* txtAltezza = nullptr;
    QLineEdit* txtPeso = nullptr;
    QLineEdit* txtVita = nullptr;
    QLineEdit* txtFianchi = nullptr;
    QLineEdit* txtOcchi = nullptr;
    QLineEdit* txtCapelli = nullptr;
    QLineEdit* txtTaglia = nullptr;
    QLineEdit* txtScarpe = nullptr;
    QLineEdit* txtEsperienze = nullptr;
    QLineEdit* txtDisponibilita = nullptr;
    QLineEdit* txtNote = nullptr;

    QToolButton* btnCodFisc = nullptr;
    QToolButton* btnEmail = nullptr;
    QToolButton* btnPartitaIva = nullptr;
    QToolButton* btnIban = nullptr;

public slots:
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnIbanClick();
    void btnEmailClick();

protected:
    bool fieldKeyPress(QLineEdit* field, QKeyEvent* event) override;

private:
    void bindFields();
    void connectFieldAids();
    QWidget* buildFieldArea();
};

} // namespace lumidex
