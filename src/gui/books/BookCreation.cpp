#include "gui/books/BookCreation.h"

#include "books/BookNames.h"
#include "common/Text.h"
#include "kinds/ArchiveProfile.h"
#include "storage/TextField.h"
#include "texts/BookTexts.h"
#include "ui/Interaction.h"
#include "ui/NoticeLine.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/StorableInput.h"
#include "ui/Style.h"
#include "ui/UnexpectedError.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace lumidex {

namespace {

// The longest file name, in bytes, the program folder's file system takes.
long fileNameLimit(const QString& folder)
{
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

} // namespace

BookCreation::BookCreation(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : BookScreen(programDir, kind, booktext::creationCaption(), parent)
{
    panel()->setStyleSheet(QStringLiteral(R"(
#shpScheda { background: white; border-radius: 8px; }
)")
        + style::fieldHighlight(
            QStringLiteral("QLineEdit"), QStringLiteral("font: bold 16pt \"Verdana\"; padding: 4px 6px;")));

    auto* sheet = new QWidget(panel());
    sheet->setObjectName(QStringLiteral("shpScheda"));
    sheet->setAttribute(Qt::WA_StyledBackground);

    auto* figure = new QLabel(sheet);
    figure->setObjectName(profile().figureName);
    figure->setPixmap(QPixmap::fromImage(renderPicture(profile().figurePicture, QSize(160, 340))));

    auto* instructions = new QLabel(sheet);
    instructions->setObjectName(QStringLiteral("icoIstruzioni"));
    instructions->setPixmap(
        QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/istruzioni-crea-book.svg"), QSize(660, 120))));
    instructions->setFixedSize(660, 120);

    txtFile = new QLineEdit(sheet);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMaxLength(250);
    // The book's name takes the letters a card takes: it heads the book's
    // entries and names their photos, and is typed by the same users.
    // The window's status strip is not in sight here: the notice stands under the name.
    lblAvviso = new QLabel(sheet);
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lblAvviso->setStyleSheet(QStringLiteral("color: #1F3F66; font: 10pt \"Verdana\";"));
    keepStorable(*txtFile, [this](const QString& notice) { showOnOneLine(*lblAvviso, notice); });
    txtFile->installEventFilter(this);

    btnApplica
        = makePictureButton(sheet, QStringLiteral("btnApplica"), QStringLiteral(":/icons/pulsante-applica-chiudi.svg"),
            QSize(200, 40), booktext::createTip(), QKeySequence(Qt::Key_Return));
    btnAnnulla = makePictureButton(sheet, QStringLiteral("btnAnnulla"), QStringLiteral(":/icons/pulsante-annulla.svg"),
        QSize(140, 40), booktext::leaveCreationTip(), QKeySequence(Qt::Key_Escape));
    for (QToolButton* button : { btnApplica, btnAnnulla })
        button->setToolTip(button->statusTip());
    makeHelpButton(QStringLiteral(":/icons/guida-piccola.svg"), QSize(29, 28));

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    auto* sheetLayout = new QHBoxLayout(sheet);
    sheetLayout->setContentsMargins(24, 24, 24, 24);
    sheetLayout->setSpacing(20);
    sheetLayout->addWidget(figure, 0, Qt::AlignVCenter);
    auto* right = new QVBoxLayout;
    right->setSpacing(16);
    auto* heading = new QHBoxLayout;
    heading->addWidget(instructions);
    heading->addStretch(1);
    heading->addWidget(imgGuida, 0, Qt::AlignTop);
    right->addLayout(heading);
    right->addStretch(1);
    right->addWidget(txtFile);
    right->addWidget(lblAvviso);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    right->addLayout(buttons);
    right->addStretch(2);
    sheetLayout->addLayout(right, 1);

    contentLayout()->setContentsMargins(20, 60, 20, 60);
    contentLayout()->addWidget(sheet);

    connect(btnApplica, &QToolButton::clicked, this, &BookCreation::btnApplicaClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &BookCreation::btnAnnullaClick);
}

void BookCreation::showEvent(QShowEvent* event)
{
    BookScreen::showEvent(event);
    if (event->spontaneous())
        return;
    txtFile->clear();
    txtFile->setFocus(Qt::OtherFocusReason);
}

bool BookCreation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtFile && event->type() == QEvent::KeyPress && txtFileKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return BookScreen::eventFilter(watched, event);
}

bool BookCreation::txtFileKeyDown(QKeyEvent* event)
{
    // Characters that cannot be part of a file name are never typed.
    const QString typed = event->text();
    return std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return booknames::isFilteredKey(c); });
}

void BookCreation::warn(const QString& text)
{
    interaction().message(this, MessageKind::Warning, text, Buttons::OkCancel);
}

void BookCreation::btnApplicaClick()
{
    lblFile->clear();
    const QString name = text::trimmed(txtFile->text());
    if (name.isEmpty()) {
        warn(booktext::nameMissing());
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A pasted name never met the key filter; a separator would put the book
    // outside the program folder, where no window would ever find it again.
    if (!booknames::isAcceptable(name)) {
        warn(booktext::nameNotAllowed());
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    }

    // A name the folder would take but whose later photos it would refuse makes a
    // book whose every Save loses its photo: refused now, as the system would.
    if (!booknames::photoNamesFit(name, fileNameLimit(programDir()))) {
        reportUnexpectedError(qt_error_string(ENAMETOOLONG));
        return;
    }

    const QString path = profile().bookPath(programDir(), name);
    lblFile->setText(path);
    if (QFileInfo::exists(path)) {
        warn(booktext::nameInUse());
        return;
    }

    QFile file(path);
    // NewOnly: a file that appeared in the meantime is never emptied.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        reportUnexpectedError(file.errorString());
        return;
    }
    file.close();

    interaction().message(this, MessageKind::Information, booktext::bookCreated(), Buttons::OkCancel);
    close();
}

void BookCreation::btnAnnullaClick()
{
    close();
}

} // namespace lumidex
