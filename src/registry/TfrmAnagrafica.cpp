#include "registry/TfrmAnagrafica.h"

#include "app/Interaction.h"
#include "app/PictureButton.h"
#include "app/Pictures.h"
#include "app/TMisc.h"
#include "registry/FieldTyping.h"
#include "registry/checks/TfrmCodFisc.h"
#include "registry/checks/TfrmIban.h"
#include "registry/checks/TfrmPartitaIva.h"
#include "shell/windows/ShowHelp.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/TextField.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace lumidex {

namespace {

constexpr int fieldIndex(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

struct FieldPlace {
    std::string_view field;
    const char* caption;
    // Share of the row's width; 0 keeps the field just wide enough for `sample`.
    int stretch;
    const char* sample = nullptr;
};

// Wide enough for the sample text in the field's own font, and for its caption.
int widthFor(QLineEdit* edit, const QString& sample, const QLabel* caption)
{
    edit->ensurePolished();
    // Frame, padding and the edit's inner margins on both sides, with a little air.
    constexpr int chrome = 2 * (1 + 3 + 2) + 6;
    const int text = edit->fontMetrics().horizontalAdvance(sample) + chrome;
    return qMax(text, caption->sizeHint().width());
}

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
    bindFields();
    txtSesso->setAlignment(Qt::AlignCenter);
    txtDataNasc->setAlignment(Qt::AlignCenter);
    finishLayout(buildFieldArea(), buildNotesRow());
    connect(cmdGuida, &QToolButton::clicked, this, [this] { showHelp(this, this->programDir(), HelpPage::Registry); });
    connectFieldAids();
}

void TfrmAnagrafica::bindFields()
{
    QLineEdit** const inRecordOrder[] = { &txtNome, &txtSesso, &txtDataNasc, &txtCittadinanza, &txtLuogoNasc,
        &txtIndirizzo, &txtCodFisc, &txtEstremi, &txtEmail, &txtTel, &txtCellulare, &txtStudio, &txtLingue,
        &txtPartitaIva, &txtIban, &txtAltezza, &txtPeso, &txtVita, &txtFianchi, &txtOcchi, &txtCapelli, &txtTaglia,
        &txtScarpe, &txtEsperienze, &txtDisponibilita, &txtNote };
    static_assert(std::size(inRecordOrder) == layouts::registryEditFields);
    for (int i = 0; i < layouts::registryEditFields; ++i)
        *inRecordOrder[i] = field(i);
}

void TfrmAnagrafica::connectFieldAids()
{
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmAnagrafica::btnCodFiscClick);
    connect(btnPartitaIva, &QToolButton::clicked, this, &TfrmAnagrafica::btnPartitaIvaClick);
    connect(btnIban, &QToolButton::clicked, this, &TfrmAnagrafica::btnIbanClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmAnagrafica::btnEmailClick);

    // Typing only: a text put into the field by a move or by the search window
    // does not emit textEdited and is shown as it was stored.
    const auto rewriteOnTyping = [this](QLineEdit* edit, TypedText form) {
        connect(edit, &QLineEdit::textEdited, this, [edit, form] { rewriteTypedText(*edit, form); });
    };
    rewriteOnTyping(txtSesso, TypedText::TrimmedUpperCase);
    rewriteOnTyping(txtCodFisc, TypedText::TrimmedUpperCase);
    rewriteOnTyping(txtIban, TypedText::TrimmedUpperCase);
    rewriteOnTyping(txtEmail, TypedText::Trimmed);

    // These fields hold plain letters and digits only; an input method composing
    // an accented letter would slip past the key filter.
    for (QLineEdit* edit : { txtCodFisc, txtPartitaIva, txtIban })
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TfrmAnagrafica::fieldKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    // Enter moves on to the next field before any filter looks at it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return false;
    if (edit == txtCodFisc || edit == txtIban)
        return !codeKeyPasses(*event, CodeKeys::LettersAndDigits);
    if (edit == txtPartitaIva)
        return !codeKeyPasses(*event, CodeKeys::Digits);
    return false;
}

void TfrmAnagrafica::btnCodFiscClick()
{
    const QString code = textfield::trimmed(txtCodFisc->text());
    // A company's tax code is its VAT number.
    const bool onlyDigits
        = !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (onlyDigits) {
        TfrmPartitaIva check(this);
        check.setFieldText(code);
        interaction().runDialog(check);
        return;
    }
    TfrmCodFisc check(this);
    check.setFieldText(code);
    interaction().runDialog(check);
}

void TfrmAnagrafica::btnPartitaIvaClick()
{
    TfrmPartitaIva check(this);
    check.setFieldText(textfield::trimmed(txtPartitaIva->text()));
    interaction().runDialog(check);
}

void TfrmAnagrafica::btnIbanClick()
{
    TfrmIban check(this);
    check.setFieldText(textfield::trimmed(txtIban->text()));
    interaction().runDialog(check);
}

void TfrmAnagrafica::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + textfield::trimmed(txtEmail->text()) + QStringLiteral("\""));
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
    heading->setPixmap(
        QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/scheda-anagrafica.svg"), QSize(400, 32))));
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
        { { "Nome", "Nome:", 3 }, { "Sesso", "Sesso:", 0, "MM" }, { "DataNasc", "Data di nascita:", 0, "00/00/0000" },
            { "Cittadinanza", "Cittadinanza:", 2 } },
        { { "LuogoNasc", "Luogo di nascita:", 2 }, { "Indirizzo", "Indirizzo di residenza:", 3 } },
        { { "CodFisc", "Codice fiscale:", 2 }, { "Estremi", "Estremi documento di riconoscimento:", 3 } },
        { { "Email", "E-mail:", 3 }, { "Tel", "Tel. fisso:", 2 }, { "Cellulare", "Cellulare:", 2 } },
        { { "Studio", "Titolo di studio:", 2 }, { "Lingue", "Lingue conosciute:", 3 } },
        { { "PartitaIva", "Partita Iva:", 2 }, { "Iban", "IBAN:", 3 } },
        { { "Altezza", "Altezza:", 1 }, { "Peso", "Peso:", 1 }, { "Vita", "Vita:", 1 }, { "Fianchi", "Fianchi:", 1 } },
        { { "Occhi", "Occhi:", 1 }, { "Capelli", "Capelli:", 1 }, { "Taglia", "Taglia:", 1 },
            { "Scarpe", "Scarpe:", 1 } },
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
            if (place.stretch == 0)
                edit->setFixedWidth(widthFor(edit, QString::fromLatin1(place.sample), caption));
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
        // The rows share out the height of the sheet rather than leave a gap
        // above the notes.
        column->addStretch(1);
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
