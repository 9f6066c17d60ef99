#include "registry/TfrmAnagrafica.h"

#include "app/PictureButton.h"
#include "app/Pictures.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

constexpr int fieldIndex(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

struct FieldPlace {
    std::string_view field;
    const char* caption;
    int stretch;
};

CardEditor::Setup registrySetup()
{
    CardEditor::Setup setup;
    setup.caption = QStringLiteral(" Lumidex - Archivio Anagrafico");
    setup.layout = &layouts::registry;
    setup.editFieldCount = layouts::registryEditFields;
    setup.required = {
        { fieldIndex("Nome"),
          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome della persona.") },
        { fieldIndex("Sesso"),
          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso della persona (M o F).") },
        { fieldIndex("Cittadinanza"),
          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la cittadinanza della persona.") },
    };
    setup.placeholderPicture = QStringLiteral(":/pictures/ritratto-anagrafica.svg");
    return setup;
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(const QString& programDir, QWidget* parent)
    : CardEditor(programDir, registrySetup(), parent)
{
    setObjectName(QStringLiteral("frmAnagrafica"));
    field(fieldIndex("Sesso"))->setAlignment(Qt::AlignCenter);
    field(fieldIndex("DataNasc"))->setAlignment(Qt::AlignCenter);
    finishLayout(buildFieldArea(), buildNotesRow());
}

QString TfrmAnagrafica::archivePath() const
{
    return QDir(programDir()).filePath(QString::fromLatin1(archiveFileName));
}

QString TfrmAnagrafica::photoPath(const QString& position) const
{
    return photofiles::registryPhotoPath(programDir(), position);
}

QWidget* TfrmAnagrafica::buildFieldArea()
{
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    auto* heading = new QLabel(area);
    heading->setObjectName(QStringLiteral("imgTitolo"));
    heading->setPixmap(QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/scheda-anagrafica.svg"), QSize(400, 32))));
    column->addWidget(heading);
    auto* rule = new QWidget(area);
    rule->setObjectName(QStringLiteral("linRiga"));
    rule->setAttribute(Qt::WA_StyledBackground);
    rule->setFixedHeight(3);
    column->addWidget(rule);

    btnCodFisc = makePictureButton(area, QStringLiteral("btnCodFisc"), QStringLiteral(":/icons/controlla.svg"),
                                   QSize(22, 22), QStringLiteral("Controlla il codice fiscale."));
    btnEmail = makePictureButton(area, QStringLiteral("btnEmail"), QStringLiteral(":/icons/email.svg"), QSize(22, 22),
                                 QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    btnPartitaIva = makePictureButton(area, QStringLiteral("btnPartitaIva"), QStringLiteral(":/icons/controlla.svg"),
                                      QSize(22, 22), QStringLiteral("Controlla il numero di partita IVA."));
    btnIban = makePictureButton(area, QStringLiteral("btnIban"), QStringLiteral(":/icons/controlla.svg"), QSize(22, 22),
                                QStringLiteral("Controlla il codice IBAN."));
    auto buttonBeside = [this](std::string_view name) -> QToolButton* {
        if (name == "CodFisc")
            return btnCodFisc;
        if (name == "Email")
            return btnEmail;
        if (name == "PartitaIva")
            return btnPartitaIva;
        if (name == "Iban")
            return btnIban;
        return nullptr;
    };

    const QList<QList<FieldPlace>> rows {
        { { "Nome", "Nome:", 5 }, { "Sesso", "Sesso:", 1 }, { "DataNasc", "Data di nascita:", 2 },
          { "Cittadinanza", "Cittadinanza:", 4 } },
        { { "LuogoNasc", "Luogo di nascita:", 2 }, { "Indirizzo", "Indirizzo di residenza:", 3 } },
        { { "CodFisc", "Codice fiscale:", 2 }, { "Estremi", "Estremi documento di riconoscimento:", 3 } },
        { { "Email", "E-mail:", 2 }, { "Tel", "Tel. fisso:", 1 }, { "Cellulare", "Cellulare:", 1 } },
        { { "Studio", "Titolo di studio:", 2 }, { "Lingue", "Lingue conosciute:", 3 } },
        { { "PartitaIva", "Partita Iva:", 2 }, { "Iban", "IBAN:", 3 } },
        { { "Altezza", "Altezza:", 1 }, { "Peso", "Peso:", 1 }, { "Vita", "Vita:", 1 }, { "Fianchi", "Fianchi:", 1 } },
        { { "Occhi", "Occhi:", 1 }, { "Capelli", "Capelli:", 1 }, { "Taglia", "Taglia:", 1 }, { "Scarpe", "Scarpe:", 1 } },
        { { "Esperienze", "Esperienze lavorative:", 1 }, { "Disponibilita", "Disponibilità:", 1 } },
    };

    for (const auto& places : rows) {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        for (const FieldPlace& place : places) {
            auto* cell = new QVBoxLayout;
            cell->setSpacing(1);
            auto* caption = new QLabel(QString::fromUtf8(place.caption), area);
            caption->setProperty("role", QStringLiteral("caption"));
            cell->addWidget(caption);
            QLineEdit* edit = field(fieldIndex(place.field));
            caption->setBuddy(edit);
            if (QToolButton* button = buttonBeside(place.field)) {
                auto* line = new QHBoxLayout;
                line->setSpacing(3);
                line->addWidget(edit, 1);
                line->addWidget(button);
                cell->addLayout(line);
            } else {
                cell->addWidget(edit);
            }
            row->addLayout(cell, place.stretch);
        }
        column->addLayout(row);
    }
    column->addStretch(1);
    return area;
}

QWidget* TfrmAnagrafica::buildNotesRow()
{
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(row);
    caption->setObjectName(QStringLiteral("titNote"));
    caption->setPixmap(QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/note.svg"), QSize(60, 22))));
    line->addWidget(caption);
    line->addWidget(field(fieldIndex("Note")), 1);
    return row;
}

} // namespace lumidex
