#include "editor/CardEditor.h"

#include "app/Interaction.h"
#include "app/PictureButton.h"
#include "app/Pictures.h"
#include "common/Formatting.h"
#include "editor/EditorStyle.h"
#include "editor/Navigation.h"
#include "output/zoom/TfrmZoom.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/TextField.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace editortext {
QString emptyArchive()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}
QString changesSaved()
{
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
QString cardInserted()
{
    return QStringLiteral("La scheda corrente è stata inserita in archivio.");
}
QString duplicateNeedsStoredCard()
{
    return QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa "
                          "è stata inserita in archivio.");
}
QString duplicateReady()
{
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio.");
}
QString photoNotSaved()
{
    return QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare "
                          "la foto.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella "
                          "di installazione del programma.");
}
QString photoNotExported()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato.");
}
QString readyForNewCard()
{
    return QStringLiteral("Pronto per archiviare una nuova scheda...");
}
} // namespace editortext

namespace {

const QSize photoFrame(307, 409);

QString fieldObjectName(const RecordLayout& layout, int index, const char* prefix)
{
    const auto name = layout.field(index).name;
    return QString::fromLatin1(prefix) + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

CardEditor::CardEditor(const QString& programDir, const Setup& setup, QWidget* parent)
    : WorkScreen(setup.caption, parent)
    , m_programDir(programDir)
    , m_setup(setup)
{
    setStyleSheet(editorStyleSheet());

    const RecordLayout& layout = *m_setup.layout;
    for (int i = 0; i < m_setup.editFieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(fieldObjectName(layout, i, "txt"));
        edit->setMaxLength(layout.capacity(i));
        edit->installEventFilter(this);
        m_fields << edit;
    }
    // The attached files travel with the card in hidden labels.
    for (int i = m_setup.editFieldCount; i < layout.fieldCount(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(fieldObjectName(layout, i, "lbl"));
        label->hide();
        m_attachments << label;
    }
    for (int i = 1; i < m_fields.size(); ++i)
        setTabOrder(m_fields[i - 1], m_fields[i]);

    imgBianco = new QLabel(this);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->hide();
    const QImage placeholder = renderPicture(m_setup.placeholderPicture, photoFrame);
    imgBianco->setPixmap(QPixmap::fromImage(placeholder));
    m_photo.setPlaceholder(placeholder);

    statusLine()->setText(editortext::readyForNewCard());
}

void CardEditor::finishLayout(QWidget* fieldArea)
{
    contentLayout()->addWidget(buildToolbar());

    m_section = new QWidget(panel());
    m_section->setObjectName(QStringLiteral("shpSezione"));
    m_section->setAttribute(Qt::WA_StyledBackground);
    auto* sectionLayout = new QVBoxLayout(m_section);
    sectionLayout->setContentsMargins(8, 6, 8, 6);

    auto* sheet = new QWidget(m_section);
    sheet->setObjectName(QStringLiteral("shpScheda"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(10, 8, 10, 8);
    sheetLayout->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(buildPhotoPanel(), 0, Qt::AlignTop);
    top->addWidget(fieldArea, 1);
    sheetLayout->addLayout(top, 1);
    sheetLayout->addWidget(buildNotesRow());

    sectionLayout->addWidget(sheet);
    contentLayout()->addWidget(m_section, 1);
}

// The notes, the last field of every card, span the sheet under the photo and
// the other fields, captioned by a small picture.
QWidget* CardEditor::buildNotesRow()
{
    auto* row = new QWidget(m_section);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(row);
    caption->setObjectName(QStringLiteral("titNote"));
    caption->setPixmap(QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/note.svg"), QSize(60, 22))));
    line->addWidget(caption);
    line->addWidget(m_fields.constLast(), 1);
    return row;
}

QWidget* CardEditor::buildToolbar()
{
    auto* bar = new QWidget(panel());
    bar->setObjectName(QStringLiteral("panToolbar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);

    const QSize icon(37, 39);
    const QSize wide(148, 32);
    auto group = [&](std::initializer_list<QWidget*> items) {
        auto* box = new QWidget(bar);
        box->setObjectName(QStringLiteral("shpGruppo"));
        box->setAttribute(Qt::WA_StyledBackground);
        auto* boxRow = new QHBoxLayout(box);
        boxRow->setContentsMargins(3, 2, 3, 2);
        boxRow->setSpacing(2);
        for (QWidget* item : items) {
            item->setParent(box);
            boxRow->addWidget(item, 0, Qt::AlignVCenter);
        }
        row->addWidget(box);
    };

    cmdNuovo = makePictureButton(bar, QStringLiteral("cmdNuovo"), QStringLiteral(":/icons/nuovo.svg"), icon,
        QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."),
        QKeySequence(Qt::CTRL | Qt::Key_N));
    cmdDuplica = makePictureButton(bar, QStringLiteral("cmdDuplica"), QStringLiteral(":/icons/duplica.svg"), icon,
        QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."),
        QKeySequence(Qt::CTRL | Qt::Key_D));
    cmdSalva = makePictureButton(bar, QStringLiteral("cmdSalva"), QStringLiteral(":/icons/salva.svg"), icon,
        QStringLiteral("Salva la scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_S));
    cmdTrova = makePictureButton(bar, QStringLiteral("cmdTrova"), QStringLiteral(":/icons/trova.svg"), icon,
        QStringLiteral("Trova una scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_F));
    cmdFile = makePictureButton(bar, QStringLiteral("cmdFile"), QStringLiteral(":/icons/allega.svg"), icon,
        QStringLiteral("Allega file alla scheda."));
    cmdStampa = makePictureButton(bar, QStringLiteral("cmdStampa"), QStringLiteral(":/icons/stampa.svg"), wide,
        QStringLiteral("Stampa la scheda."), QKeySequence(Qt::CTRL | Qt::Key_P));
    cmdAnteprima = makePictureButton(bar, QStringLiteral("cmdAnteprima"), QStringLiteral(":/icons/anteprima.svg"), wide,
        QStringLiteral("Visualizza l'anteprima di stampa della scheda."));
    cmdPrimo = makePictureButton(bar, QStringLiteral("cmdPrimo"), QStringLiteral(":/icons/primo.svg"), icon,
        QStringLiteral("Visualizza la prima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_Home));
    cmdIndietro = makePictureButton(bar, QStringLiteral("cmdIndietro"), QStringLiteral(":/icons/indietro.svg"), icon,
        QStringLiteral("Visualizza la scheda precedente in archivio."), QKeySequence(Qt::ALT | Qt::Key_Left));
    cmdAvanti = makePictureButton(bar, QStringLiteral("cmdAvanti"), QStringLiteral(":/icons/avanti.svg"), icon,
        QStringLiteral("Visualizza la scheda successiva in archivio."), QKeySequence(Qt::ALT | Qt::Key_Right));
    cmdUltimo = makePictureButton(bar, QStringLiteral("cmdUltimo"), QStringLiteral(":/icons/ultimo.svg"), icon,
        QStringLiteral("Visualizza l'ultima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_End));
    cmdEsporta = makePictureButton(bar, QStringLiteral("cmdEsporta"), QStringLiteral(":/icons/esporta.svg"), icon,
        QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    cmdSlideshow = makePictureButton(bar, QStringLiteral("cmdSlideshow"), QStringLiteral(":/icons/slideshow.svg"), icon,
        QStringLiteral("Esegui lo Slide Show del book fotografico."));
    cmdGuida = makePictureButton(bar, QStringLiteral("cmdGuida"), QStringLiteral(":/icons/guida.svg"), icon,
        QStringLiteral("Visualizza la pagina della guida sensibile al contesto."), QKeySequence(Qt::Key_F1));
    cmdEsci = makePictureButton(bar, QStringLiteral("cmdEsci"), QStringLiteral(":/icons/esci.svg"), icon,
        QStringLiteral("Esci da questa schermata di lavoro."));

    lblPosizione = new QLabel(bar);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFixedWidth(50);

    group({ cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdFile });
    if (m_setup.previewBeforePrint) {
        group({ cmdAnteprima });
        group({ cmdStampa });
    } else {
        group({ cmdStampa });
        group({ cmdAnteprima });
    }
    group({ cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo });
    group({ cmdEsporta, cmdSlideshow });
    group({ cmdGuida, cmdEsci });
    row->addStretch(1);

    // Page Up and Page Down browse too.
    for (QToolButton* b : { cmdIndietro, cmdAvanti }) {
        auto* alt = new QAction(b);
        alt->setShortcut(b == cmdIndietro ? QKeySequence(Qt::Key_PageUp) : QKeySequence(Qt::Key_PageDown));
        connect(alt, &QAction::triggered, b, &QToolButton::click);
        addAction(alt);
    }

    connect(cmdNuovo, &QToolButton::clicked, this, &CardEditor::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &CardEditor::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &CardEditor::cmdSalvaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, &CardEditor::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &CardEditor::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &CardEditor::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &CardEditor::cmdUltimoClick);
    connect(cmdEsci, &QToolButton::clicked, this, &CardEditor::cmdEsciClick);
    return bar;
}

QWidget* CardEditor::buildPhotoPanel()
{
    auto* box = new QWidget(m_section);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    auto* frame = new QWidget(box);
    frame->setObjectName(QStringLiteral("shpFoto"));
    frame->setAttribute(Qt::WA_StyledBackground);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    imgFoto = new QLabel(frame);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(photoFrame);
    imgFoto->setAlignment(Qt::AlignCenter);
    frameLayout->addWidget(imgFoto);
    column->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    btnCaricaFoto = makePictureButton(box, QStringLiteral("btnCaricaFoto"), QStringLiteral(":/icons/carica-foto.svg"),
        QSize(157, 40), QStringLiteral("Carica una foto esistente."));
    btnSalvaFoto = makePictureButton(box, QStringLiteral("btnSalvaFoto"), QStringLiteral(":/icons/salva-foto.svg"),
        QSize(42, 40), QStringLiteral("Salva la foto su disco."));
    btnCancFoto = makePictureButton(box, QStringLiteral("btnCancFoto"), QStringLiteral(":/icons/canc-foto.svg"),
        QSize(42, 40), QStringLiteral("Cancella la foto."));
    btnZoomFoto = makePictureButton(box, QStringLiteral("btnZoomFoto"), QStringLiteral(":/icons/zoom-foto.svg"),
        QSize(42, 40), QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));
    for (QToolButton* b : { btnCaricaFoto, btnSalvaFoto, btnCancFoto, btnZoomFoto })
        buttons->addWidget(b);
    buttons->addStretch(1);
    column->addLayout(buttons);

    connect(btnCaricaFoto, &QToolButton::clicked, this, &CardEditor::btnCaricaFotoClick);
    connect(btnSalvaFoto, &QToolButton::clicked, this, &CardEditor::btnSalvaFotoClick);
    connect(btnCancFoto, &QToolButton::clicked, this, &CardEditor::btnCancFotoClick);
    connect(btnZoomFoto, &QToolButton::clicked, this, &CardEditor::btnZoomFotoClick);
    refreshPhoto();
    return box;
}

void CardEditor::showEvent(QShowEvent* event)
{
    WorkScreen::showEvent(event);
    // Every time the screen is opened it starts from a new, empty card; a window
    // coming back from the taskbar keeps what it showed.
    if (!event->spontaneous())
        clearCard();
}

bool CardEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const int index = edit ? int(m_fields.indexOf(edit)) : -1;
        if (index >= 0) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (fieldKeyPress(edit, key))
                return true;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_fields.at(nextFieldAfter(index))->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return WorkScreen::eventFilter(watched, event);
}

bool CardEditor::fieldKeyPress(QLineEdit*, QKeyEvent*)
{
    return false;
}

int CardEditor::nextFieldAfter(int index) const
{
    return (index + 1) % int(m_fields.size());
}

QStringList CardEditor::currentValues() const
{
    QStringList values;
    for (QLineEdit* edit : m_fields)
        values << edit->text();
    for (QLabel* label : m_attachments)
        values << label->text();
    return values;
}

void CardEditor::refreshPhoto()
{
    const QPixmap shown = fittedPixmap(m_photo.image(), imgFoto->size(), imgFoto->devicePixelRatioF());
    if (shown.isNull())
        imgFoto->clear();
    else
        imgFoto->setPixmap(shown);
}

void CardEditor::showArchiveError()
{
    interaction().message(this, MessageKind::Error, archiveAccessMessage(), Buttons::OkCancel);
}

void CardEditor::clearCard()
{
    for (QLineEdit* edit : m_fields)
        edit->clear();
    for (QLabel* label : m_attachments)
        label->clear();
    m_photo.showPlaceholder();
    refreshPhoto();
    lblPosizione->clear();
    firstField()->setFocus(Qt::OtherFocusReason);
}

void CardEditor::showRecord(int position, const QStringList& values)
{
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->setText(values.value(i));
        // A text longer than its field is read from its beginning, not its end.
        m_fields[i]->setCursorPosition(0);
    }
    for (int i = 0; i < m_attachments.size(); ++i)
        m_attachments[i]->setText(values.value(int(m_fields.size()) + i));
    lblPosizione->setText(QString::number(position));
    m_photo.loadFromCard(photoPath(lblPosizione->text()));
    refreshPhoto();
}

void CardEditor::move(Move move)
{
    try {
        const Archive archive(archivePath(), *m_setup.layout);
        const MoveDecision decision = decideMove(move, lblPosizione->text(), archive.count());
        switch (decision.kind) {
        case MoveDecision::Kind::Nothing:
            return;
        case MoveDecision::Kind::EmptyArchive:
            if (decision.clearPosition)
                lblPosizione->clear();
            interaction().message(this, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
            return;
        case MoveDecision::Kind::Show:
            showRecord(decision.position, archive.read(decision.position));
            return;
        }
    } catch (const ArchiveError&) {
        showArchiveError();
    }
}

void CardEditor::cmdNuovoClick()
{
    clearCard();
}

void CardEditor::cmdPrimoClick()
{
    move(Move::First);
}

void CardEditor::cmdIndietroClick()
{
    move(Move::Previous);
}

void CardEditor::cmdAvantiClick()
{
    move(Move::Next);
}

void CardEditor::cmdUltimoClick()
{
    move(Move::Last);
}

void CardEditor::cmdSalvaClick()
{
    // No field may stay in the middle of an edit while the card is written.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();

    for (const RequiredField& required : m_setup.required) {
        QLineEdit* edit = m_fields.at(required.field);
        if (textfield::trimmed(edit->text()).isEmpty()) {
            interaction().message(this, MessageKind::Warning, required.message, Buttons::OkCancel);
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }

    try {
        const Archive archive(archivePath(), *m_setup.layout);
        const QString label = textfield::trimmed(lblPosizione->text());
        const bool isNew = label.isEmpty();
        int position = 0;
        if (isNew) {
            position = archive.append(currentValues());
        } else {
            position = positionOf(label);
            archive.write(position, currentValues());
        }
        lblPosizione->setText(QString::number(position));

        const CardPhoto::SaveResult photo = savePhoto();
        interaction().message(this, MessageKind::Information,
            isNew ? editortext::cardInserted() : editortext::changesSaved(), Buttons::OkCancel);
        // The card is safe, but its photo is not: say so rather than let it pass
        // for a complete save.
        if (photo == CardPhoto::SaveResult::Failed)
            interaction().message(this, MessageKind::Warning, editortext::photoNotSaved(), Buttons::OkCancel);
    } catch (const ArchiveError&) {
        showArchiveError();
    }
}

CardPhoto::SaveResult CardEditor::savePhoto()
{
    return m_photo.saveToCard(photoPath(lblPosizione->text()));
}

void CardEditor::cmdDuplicaClick()
{
    if (textfield::trimmed(lblPosizione->text()).isEmpty()) {
        interaction().message(this, MessageKind::Warning, editortext::duplicateNeedsStoredCard(), Buttons::OkCancel);
        return;
    }
    for (QLabel* label : m_attachments)
        label->clear();
    lblPosizione->clear();
    m_photo.showPlaceholder();
    refreshPhoto();
    firstField()->setFocus(Qt::OtherFocusReason);
    interaction().message(this, MessageKind::Information, editortext::duplicateReady(), Buttons::OkCancel);
}

void CardEditor::cmdEsciClick()
{
    close();
}

void CardEditor::btnCaricaFotoClick()
{
    const QString path = interaction().openFileName(this,
        { QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
            QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"), {}, {}, {} });
    if (path.isEmpty())
        return;
    m_photo.loadFromFile(path);
    refreshPhoto();
}

void CardEditor::btnSalvaFotoClick()
{
    const QString path = interaction().saveFileName(this,
        { QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
            QStringLiteral("File Jpeg (*.jpg)|*.jpg"), QStringLiteral("Foto.jpg"), QStringLiteral("jpg"), {} });
    if (path.isEmpty())
        return;
    // A copy that could not be written must not cost the card its picture.
    if (!m_photo.exportTo(path))
        interaction().message(this, MessageKind::Warning, editortext::photoNotExported(), Buttons::OkCancel);
}

void CardEditor::btnCancFotoClick()
{
    m_photo.showPlaceholder();
    refreshPhoto();
}

void CardEditor::btnZoomFotoClick()
{
    TfrmZoom zoom(this);
    zoom.setPicture(m_photo.image());
    interaction().runDialog(zoom);
}

} // namespace lumidex
