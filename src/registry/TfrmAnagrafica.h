#pragma once

#include "editor/CardEditor.h"

class QToolButton;

namespace lumidex {

// The registry card editor: one card per person in "Archivio_Anagrafico.pro",
// with its photo in the folder "Anagrafica".
class TfrmAnagrafica : public CardEditor {
    Q_OBJECT
public:
    static constexpr auto archiveFileName = "Archivio_Anagrafico.pro";

    explicit TfrmAnagrafica(const QString& programDir, QWidget* parent = nullptr);

    QString archivePath() const override;
    QString photoPath(const QString& position) const override;

    QToolButton* btnCodFisc = nullptr;
    QToolButton* btnEmail = nullptr;
    QToolButton* btnPartitaIva = nullptr;
    QToolButton* btnIban = nullptr;

private:
    QWidget* buildFieldArea();
    QWidget* buildNotesRow();
};

} // namespace lumidex
