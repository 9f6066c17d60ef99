#include "gui/books/BookEditor.h"

#include "books/PhotoShootingData.h"
#include "common/Text.h"
#include "texts/BookTexts.h"

#include "common/Formatting.h"
#include "gui/calendar/PickDate.h"
#include "gui/editor/FieldRows.h"
#include "storage/Layouts.h"
#include "storage/TextField.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/WholeValue.h"

#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

constexpr int bookField(std::string_view name)
{
    return layouts::book.indexOf(name);
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

BookEditor::BookEditor(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : CardEditor(programDir, kind, parent)
    , lblFile(new QLabel(this))
    , lblNome(new QLabel(booktext::bookNamePlaceholder(), this))
    , txtData(field(bookField("Data")))
    , impData(makePictureButton(
          this, QStringLiteral("impData"), QStringLiteral(":/icons/data.svg"), QSize(22, 22), booktext::todayTip()))
{
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAlignment(Qt::AlignCenter);

    // The date is picked from the calendar or set to today, never typed.
    txtData->setReadOnly(true);
    txtData->setAlignment(Qt::AlignCenter);
    // A date shows whole in whatever font the set-up gives the fields.
    showWholeValue(*txtData, QStringLiteral("00/00/0000"), WholeValueFit::Fixed, 150);
    txtData->setStatusTip(booktext::dateFieldTip());

    finishLayout(buildFieldArea());

    connect(impData, &QToolButton::clicked, this, &BookEditor::impDataClick);
}

void BookEditor::setBook(const QString& filePath, const QString& bookName)
{
    lblFile->setText(filePath);
    lblNome->setText(bookName);
}

QString BookEditor::bookName() const
{
    return lblNome->text();
}

QString BookEditor::archivePath() const
{
    return text::trimmed(lblFile->text());
}

QWidget* BookEditor::buildFieldArea()
{
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    column->addWidget(headingRow(lblNome));
    column->addSpacing(4);

    const auto place = [this](int index, const QString& caption, int stretch, QWidget* beside = nullptr) {
        return FieldPlace { field(index), caption, stretch, {}, beside };
    };
    const QList<QList<FieldPlace>> rows {
        { place(bookField("Titolo"), booktext::titleCaption(), 1) },
        { place(bookField("Descrizione"), booktext::descriptionCaption(), 1) },
        { place(bookField("Data"), booktext::dateCaption(), 0, impData),
            place(bookField("Location"), booktext::locationCaption(), 1) },
        { place(bookField("Fotografo"), booktext::photographerCaption(), 1),
            place(bookField("Fotocamera"), booktext::cameraCaption(), 1) },
        { place(bookField("Fotoritocco"), booktext::retouchCaption(), 1) },
        { place(bookField("Abiti"), booktext::clothesCaption(), 1),
            place(bookField("Accessori"), booktext::accessoriesCaption(), 1) },
        { place(bookField("Trucco"), booktext::makeUpCaption(), 1) },
        { place(bookField("Giudizio"), booktext::ratingCaption(), 1) },
    };
    addFieldRows(column, rows);
    return area;
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
    if (const auto date = pickDate(this, kind()))
        txtData->setText(*date);
}

void BookEditor::photoLoaded(const QString& path)
{
    const int cameraIndex = bookField("Fotocamera");
    QLineEdit* txtFotocamera = field(cameraIndex);
    const shooting::ShootingFill fill = shooting::fillEmptyFields(
        shooting::readShootingData(path), txtFotocamera->text(), txtData->text(), layouts::book.capacity(cameraIndex));
    if (!fill.camera.isEmpty()) {
        txtFotocamera->setText(fill.camera);
        txtFotocamera->setCursorPosition(0);
    }
    if (!fill.date.isEmpty())
        txtData->setText(fill.date);
    const QString notice = booktext::shootingDataNotice(fill);
    if (!notice.isEmpty())
        showNotice(notice);
}

void BookEditor::impDataClick()
{
    txtData->setText(formatShortDate(QDate::currentDate()));
}

} // namespace lumidex
