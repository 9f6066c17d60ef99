#include "gui/books/BookOpening.h"

#include "books/BookExits.h"
#include "kinds/ArchiveProfile.h"
#include "texts/BookTexts.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lumidex {

BookOpening::BookOpening(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : BookScreen(programDir, kind, booktext::openingCaption(), parent)
{
    panel()->setStyleSheet(QStringLiteral(R"(
#shpScheda { background: white; border-radius: 8px; }
#lstFiles { background: white; border: 1px solid #87CEEB; outline: 0; }
#lstFiles::item:selected { background: #87CEEB; color: black; }
#lblCreati { color: green; font: 12pt "Verdana"; }
)"));

    auto* sheet = new QWidget(panel());
    sheet->setObjectName(QStringLiteral("shpScheda"));
    sheet->setAttribute(Qt::WA_StyledBackground);

    auto* instructions = new QLabel(sheet);
    instructions->setObjectName(QStringLiteral("icoIstruzioni"));
    instructions->setPixmap(
        QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/istruzioni-apri-book.svg"), QSize(660, 120))));
    instructions->setFixedSize(660, 120);

    lstFiles = new QListWidget(sheet);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);

    lblCreati = new QLabel(booktext::countLine(0), sheet);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));

    btnApri = makePictureButton(sheet, QStringLiteral("btnApri"), QStringLiteral(":/icons/pulsante-apri-archivio.svg"),
        QSize(170, 40), booktext::openTip(), QKeySequence(Qt::Key_Return));
    btnElimina = makePictureButton(sheet, QStringLiteral("btnElimina"), QStringLiteral(":/icons/cestino.svg"),
        QSize(56, 56), booktext::deleteTip(), QKeySequence(Qt::Key_Delete));
    btnAnnulla = makePictureButton(sheet, QStringLiteral("btnAnnulla"), QStringLiteral(":/icons/pulsante-annulla.svg"),
        QSize(140, 40), booktext::leaveOpeningTip(), QKeySequence(Qt::Key_Escape));
    for (QToolButton* button : { btnApri, btnElimina, btnAnnulla })
        button->setToolTip(button->statusTip());
    makeHelpButton(QStringLiteral(":/icons/guida-piccola.svg"), QSize(29, 28));

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblMemory = new QLabel(QString::fromLatin1(exitmarker::backToStart), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(30, 20, 30, 20);
    sheetLayout->setSpacing(10);
    auto* heading = new QHBoxLayout;
    heading->addWidget(instructions);
    heading->addStretch(1);
    heading->addWidget(imgGuida, 0, Qt::AlignTop);
    sheetLayout->addLayout(heading);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(16);
    listRow->addWidget(lstFiles, 1);
    listRow->addWidget(btnElimina, 0, Qt::AlignTop);
    sheetLayout->addLayout(listRow, 1);
    sheetLayout->addWidget(lblCreati);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnApri);
    buttons->addWidget(btnAnnulla);
    sheetLayout->addLayout(buttons);

    contentLayout()->setContentsMargins(40, 30, 40, 30);
    contentLayout()->addWidget(sheet);

    // No row is current until the user picks one: entering the list must not
    // make its first book look chosen.
    lstFiles->installEventFilter(this);
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        lstFiles->setCurrentItem(item);
        btnApriClick();
    });
    connect(btnApri, &QToolButton::clicked, this, &BookOpening::btnApriClick);
    connect(btnElimina, &QToolButton::clicked, this, &BookOpening::btnEliminaClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &BookOpening::btnAnnullaClick);
}

bool BookOpening::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstFiles && event->type() == QEvent::FocusIn) {
        // The view makes its first row current once it has the focus; undo that
        // right after, unless the user has chosen a book.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (lstFiles->selectedItems().isEmpty())
                    lstFiles->selectionModel()->clearCurrentIndex();
            },
            Qt::QueuedConnection);
    }
    return BookScreen::eventFilter(watched, event);
}

void BookOpening::setExit(BookOpeningExit exit)
{
    m_exit = exit;
    lblMemory->setText(
        exit == BookOpeningExit::Editor ? profile().openMarker : QString::fromLatin1(exitmarker::backToStart));
}

QString BookOpening::selectedItemText() const
{
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

QString BookOpening::bookFilePath(const QString& itemText) const
{
    return QDir(programDir()).filePath(itemText);
}

void BookOpening::showEvent(QShowEvent* event)
{
    BookScreen::showEvent(event);
    if (event->spontaneous())
        return;
    setExit(BookOpeningExit::StartMenu);
    lblFile->clear();
    fillList();
}

void BookOpening::fillList()
{
    lstFiles->clear();
    // Only plain files directly in the program folder are books; lock files
    // beside an archive in use carry another extension and stay out.
    QStringList names
        = QDir(programDir())
              .entryList({ profile().bookSearchPattern }, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);

    const QFont font(QStringLiteral("Courier New"), 14);
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, lstFiles);
        item->setFont(font);
        item->setForeground(Qt::black);
    }
    lblCreati->setText(booktext::countLine(int(lstFiles->count())));
}

void BookOpening::warn(const QString& text)
{
    interaction().message(this, MessageKind::Warning, text, Buttons::OkCancel);
}

void BookOpening::btnApriClick()
{
    if (lstFiles->count() == 0) {
        warn(booktext::emptyList());
        return;
    }
    const QString selected = selectedItemText();
    if (selected.isEmpty()) {
        warn(booktext::selectToOpen());
        return;
    }
    lblFile->setText(bookFilePath(selected));
    setExit(BookOpeningExit::Editor);
    close();
}

void BookOpening::btnEliminaClick()
{
    if (lstFiles->count() == 0) {
        warn(booktext::emptyList());
        return;
    }
    const QString selected = selectedItemText();
    if (selected.isEmpty()) {
        warn(booktext::selectToDelete());
        return;
    }
    if (interaction().message(this, MessageKind::Confirmation, booktext::confirmDeletion(), Buttons::YesNo)
        == Answer::No)
        return;

    // Only the archive goes; the photos of its entries stay in the photo folder.
    const QString path = bookFilePath(selected);
    const bool removed = QFile::remove(path) || !QFileInfo(path).exists();
    if (removed)
        interaction().message(this, MessageKind::Information, booktext::bookDeleted(), Buttons::OkCancel);
    else
        interaction().message(this, MessageKind::Error, booktext::bookNotDeleted(), Buttons::OkCancel);

    setExit(BookOpeningExit::StartMenu);
    lblFile->clear();
    fillList();
}

void BookOpening::btnAnnullaClick()
{
    close();
}

} // namespace lumidex
