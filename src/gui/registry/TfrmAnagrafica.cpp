#include "gui/registry/TfrmAnagrafica.h"

#include "common/Text.h"
#include "gui/checks/OpenCheck.h"
#include "gui/editor/FieldRows.h"
#include "gui/registry/FieldTyping.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "storage/TextField.h"
#include "texts/RegistryTexts.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/TextButton.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace lumidex {

namespace {

constexpr int registryField(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(const QString& programDir, QWidget* parent)
    : CardEditor(programDir, ArchiveKind::Registry, parent)
    , txtNome(field(registryField("Nome")))
    , txtSesso(field(registryField("Sesso")))
    , txtDataNasc(field(registryField("DataNasc")))
    , txtCittadinanza(field(registryField("Cittadinanza")))
    , txtLuogoNasc(field(registryField("LuogoNasc")))
    , txtIndirizzo(field(registryField("Indirizzo")))
    , txtCodFisc(field(registryField("CodFisc")))
    , txtEstremi(field(registryField("Estremi")))
    , txtEmail(field(registryField("Email")))
    , txtTel(field(registryField("Tel")))
    , txtCellulare(field(registryField("Cellulare")))
    , txtStudio(field(registryField("Studio")))
    , txtLingue(field(registryField("Lingue")))
    , txtPartitaIva(field(registryField("PartitaIva")))
    , txtIban(field(registryField("Iban")))
    , txtAltezza(field(registryField("Altezza")))
    , txtPeso(field(registryField("Peso")))
    , txtVita(field(registryField("Vita")))
    , txtFianchi(field(registryField("Fianchi")))
    , txtOcchi(field(registryField("Occhi")))
    , txtCapelli(field(registryField("Capelli")))
    , txtTaglia(field(registryField("Taglia")))
    , txtScarpe(field(registryField("Scarpe")))
    , txtEsperienze(field(registryField("Esperienze")))
    , txtDisponibilita(field(registryField("Disponibilita")))
    , txtNote(field(registryField("Note")))
    , btnCodFisc(makePictureButton(this, QStringLiteral("btnCodFisc"), QStringLiteral(":/icons/controlla.svg"),
          QSize(22, 22), registrytext::codFiscTip()))
    , btnEmail(makePictureButton(this, QStringLiteral("btnEmail"), QStringLiteral(":/icons/email.svg"), QSize(22, 22),
          registrytext::emailTip()))
    , btnPartitaIva(makePictureButton(this, QStringLiteral("btnPartitaIva"), QStringLiteral(":/icons/controlla.svg"),
          QSize(22, 22), registrytext::partitaIvaTip()))
    , btnIban(makePictureButton(this, QStringLiteral("btnIban"), QStringLiteral(":/icons/controlla.svg"), QSize(22, 22),
          registrytext::ibanTip()))
{
    setObjectName(QStringLiteral("frmAnagrafica"));
    txtSesso->setAlignment(Qt::AlignCenter);
    txtDataNasc->setAlignment(Qt::AlignCenter);
    finishLayout(buildFieldArea());
    connectFieldAids();
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
    // an accented letter would slip past the key filter, and pasted text keeps
    // only what the filter would have let through. (A stored text is shown as it
    // was stored, so this is no validator: a validator would rewrite it too.)
    for (QLineEdit* edit : { txtCodFisc, txtPartitaIva, txtIban }) {
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        filterPastedText(*edit, edit == txtPartitaIva ? CodeKeys::Digits : CodeKeys::LettersAndDigits);
    }
}

bool TfrmAnagrafica::fieldKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    // Enter moves on to the next field before any filter looks at it.
    if (isEnterKey(event->key()))
        return false;
    if (edit == txtCodFisc || edit == txtIban)
        return !codeKeyPasses(*event, CodeKeys::LettersAndDigits);
    if (edit == txtPartitaIva)
        return !codeKeyPasses(*event, CodeKeys::Digits);
    return false;
}

void TfrmAnagrafica::btnCodFiscClick()
{
    const QString code = text::trimmed(txtCodFisc->text());
    // A company's tax code is its VAT number.
    const bool onlyDigits
        = !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (onlyDigits)
        checkPartitaIva(this, code);
    else
        checkCodFisc(this, code);
}

void TfrmAnagrafica::btnPartitaIvaClick()
{
    checkPartitaIva(this, text::trimmed(txtPartitaIva->text()));
}

void TfrmAnagrafica::btnIbanClick()
{
    checkIban(this, text::trimmed(txtIban->text()));
}

void TfrmAnagrafica::btnEmailClick()
{
    // The address is the link's whole path, whatever it holds: a "?" or "#"
    // typed into it stays part of the address.
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(text::trimmed(txtEmail->text()), QUrl::DecodedMode);
    if (!interaction().openUrl(mail))
        interaction().message(this, MessageKind::Warning, registrytext::mailNotOpened(), Buttons::Ok);
}

QString TfrmAnagrafica::archivePath() const
{
    return programfolder::registryArchivePath(programDir());
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
    column->addWidget(headingRow(heading));
    auto* rule = new QWidget(area);
    rule->setObjectName(QStringLiteral("linRiga"));
    rule->setAttribute(Qt::WA_StyledBackground);
    rule->setFixedHeight(3);
    column->addWidget(rule);

    // The longest values the codes and numbers take, written with the widest
    // letters they may hold, so that every real one shows whole.
    const QString longestTaxCode = QStringLiteral("WWWWWW00W00W000W");
    const QString longestIban = QStringLiteral("IT00W0000000000WWWWWWWWWWWW");
    // The fifteen digits of the longest international number, as usually written.
    const QString longestPhone = QStringLiteral("+000 000 000 000 000");
    const QList<QList<FieldPlace>> rows {
        { { txtNome, registrytext::fieldCaption("Nome"), 3 },
            { txtSesso, registrytext::fieldCaption("Sesso"), 0, QStringLiteral("MM") },
            { txtDataNasc, registrytext::fieldCaption("DataNasc"), 0, QStringLiteral("00/00/0000") },
            { txtCittadinanza, registrytext::fieldCaption("Cittadinanza"), 2 } },
        { { txtLuogoNasc, registrytext::fieldCaption("LuogoNasc"), 2 },
            { txtIndirizzo, registrytext::fieldCaption("Indirizzo"), 3 } },
        { { txtCodFisc, registrytext::fieldCaption("CodFisc"), 2, longestTaxCode, btnCodFisc },
            { txtEstremi, registrytext::fieldCaption("Estremi"), 3 } },
        { { txtEmail, registrytext::fieldCaption("Email"), 3, {}, btnEmail },
            { txtTel, registrytext::fieldCaption("Tel"), 2, longestPhone },
            { txtCellulare, registrytext::fieldCaption("Cellulare"), 2, longestPhone } },
        { { txtStudio, registrytext::fieldCaption("Studio"), 2 },
            { txtLingue, registrytext::fieldCaption("Lingue"), 3 } },
        { { txtPartitaIva, registrytext::fieldCaption("PartitaIva"), 2, QStringLiteral("00000000000"), btnPartitaIva },
            { txtIban, registrytext::fieldCaption("Iban"), 3, longestIban, btnIban } },
        { { txtAltezza, registrytext::fieldCaption("Altezza"), 1 }, { txtPeso, registrytext::fieldCaption("Peso"), 1 },
            { txtVita, registrytext::fieldCaption("Vita"), 1 },
            { txtFianchi, registrytext::fieldCaption("Fianchi"), 1 } },
        { { txtOcchi, registrytext::fieldCaption("Occhi"), 1 },
            { txtCapelli, registrytext::fieldCaption("Capelli"), 1 },
            { txtTaglia, registrytext::fieldCaption("Taglia"), 1 },
            { txtScarpe, registrytext::fieldCaption("Scarpe"), 1 } },
        { { txtEsperienze, registrytext::fieldCaption("Esperienze"), 1 },
            { txtDisponibilita, registrytext::fieldCaption("Disponibilita"), 1 } },
    };
    addFieldRows(column, rows);
    return area;
}

} // namespace lumidex
