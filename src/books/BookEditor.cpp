#include "books/BookEditor.h"

#include "app/Interaction.h"
#include "app/PictureButton.h"
#include "app/Pictures.h"
#include "common/Formatting.h"
#include "output/calendar/TfrmCalendario.h"
#include "shell/help/HelpWindows.h"
#include "shell/windows/ShowHelp.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/TextField.h"

#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

constexpr int fieldIndex(std::string_view name)
{
    return layouts::book.indexOf(name);
}

struct FieldPlace {
    std::string_view field;
    const char* caption;
    int stretch;
};

CardEditor::Setup bookSetup(const Side& side)
{
    CardEditor::Setup setup;
    setup.caption = side.editorCaption;
    setup.layout = &layouts::book;
    setup.editFieldCount = layouts::bookEditFields;
    setup.required = {
        { fieldIndex("Titolo"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo della foto.") },
        { fieldIndex("Data"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della foto.") },
        { fieldIndex("Location"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la location della foto.") },
    };
    setup.placeholderPicture = side.placeholderPicture;
    setup.previewBeforePrint = true;
    return setup;
}

// Keys that only move the focus or modify another key: they leave the date alone.
bool isNavigationOrModifier(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

BookEditor::BookEditor(const QString& programDir, const Side& side, QWidget* parent)
    : CardEditor(programDir, bookSetup(side), parent)
    , m_side(side)
{

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    // The date is picked from the calendar or set to today, never typed.
    txtData = field(fieldIndex("Data"));
    txtData->setReadOnly(true);
    txtData->setAlignment(Qt::AlignCenter);
    txtData->setFixedWidth(150);
    txtData->setStatusTip(
        QStringLiteral("Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."));

    finishLayout(buildFieldArea(), buildNotesRow());

    connect(impData, &QToolButton::clicked, this, &BookEditor::impDataClick);
    connect(cmdGuida, &QToolButton::clicked, this, &BookEditor::cmdGuidaClick);
}

QString BookEditor::archivePath() const
{
    return textfield::trimmed(lblFile->text());
}

QString BookEditor::photoPath(const QString& position) const
{
    return photofiles::bookPhotoPath(programDir(), m_side.photoFolder, lblNome->text(), position);
}

QWidget* BookEditor::buildFieldArea()
{
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    lblNome = new QLabel(QStringLiteral("Nome book fotografico"), area);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAlignment(Qt::AlignCenter);
    column->addWidget(lblNome);
    column->addSpacing(4);

    impData = makePictureButton(area, QStringLiteral("impData"), QStringLiteral(":/icons/data.svg"), QSize(22, 22),
        QStringLiteral("Inserisci la data corrente."));

    const QList<QList<FieldPlace>> rows {
        { { "Titolo", "Titolo foto:", 1 } },
        { { "Descrizione", "Descrizione:", 1 } },
        { { "Data", "Data scatto:", 0 }, { "Location", "Location:", 1 } },
        { { "Fotografo", "Fotografo:", 1 }, { "Fotocamera", "Fotocamera:", 1 } },
        { { "Fotoritocco", "Fotoritocco:", 1 } },
        { { "Abiti", "Abiti:", 1 }, { "Accessori", "Accessori:", 1 } },
        { { "Trucco", "Trucco:", 1 } },
        { { "Giudizio", "Giudizio:", 1 } },
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
            if (edit == txtData) {
                auto* line = new QHBoxLayout;
                line->setSpacing(3);
                line->addWidget(edit);
                line->addWidget(impData);
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

QWidget* BookEditor::buildNotesRow()
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

bool BookEditor::fieldKeyPress(QLineEdit* field, QKeyEvent* event)
{
    if (field != txtData || isNavigationOrModifier(event->key()))
        return false;
    txtDataKeyDown(event);
    return true;
}

void BookEditor::txtDataKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        txtData->clear();
        return;
    }
    TfrmCalendario frmCalendario(this);
    frmCalendario.lblMemory->setText(m_side.dateMarker);
    interaction().runDialog(frmCalendario);
}

void BookEditor::impDataClick()
{
    txtData->setText(formatShortDate(QDate::currentDate()));
}

void BookEditor::cmdGuidaClick()
{
    showHelp(this, programDir(), help::pageForWindow(m_side.editorClass).value_or(HelpPage::Books));
}

} // namespace lumidex
