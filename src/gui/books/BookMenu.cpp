#include "gui/books/BookMenu.h"

#include "books/BookExits.h"
#include "kinds/ArchiveProfile.h"
#include "texts/BookTexts.h"
#include "ui/PictureButton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

BookMenu::BookMenu(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : BookScreen(programDir, kind, archiveProfile(kind).menuCaption, parent)
{
    panel()->setStyleSheet(QStringLiteral(R"(
#shpScheda { background: white; border-radius: 8px; }
#lblIstruzioni { color: white; font: 12pt "Verdana"; }
QPushButton { font: 14pt "Verdana"; color: #1F3F66; background: white; border: 2px solid #87CEEB;
              border-radius: 6px; padding: 10px 18px; }
QPushButton:hover, QPushButton:focus { background: #F0F8FF; border-color: #3030DD; }
)"));

    auto* title = new QLabel(panel());
    title->setObjectName(QStringLiteral("imgTitolo"));
    // Drawn without a backdrop: the pictures stand on the window's gradient.
    title->setPixmap(QIcon(profile().menuTitlePicture).pixmap(QSize(600, 60)));

    lblIstruzioni = new QLabel(booktext::menuInstructions(), panel());
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setAlignment(Qt::AlignCenter);

    auto* illustration = new QLabel(panel());
    illustration->setObjectName(QStringLiteral("imgIllustrazione"));
    illustration->setPixmap(QIcon(profile().menuIllustration).pixmap(QSize(420, 300)));

    btnCrea = new QPushButton(booktext::createButton(), panel());
    btnCrea->setObjectName(QStringLiteral("btnCrea"));
    btnCompila = new QPushButton(booktext::openButton(), panel());
    btnCompila->setObjectName(QStringLiteral("btnCompila"));
    for (QPushButton* button : { btnCrea, btnCompila }) {
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(400);
    }

    makeHelpButton(QStringLiteral(":/icons/pulsante-guida.svg"), QSize(130, 40));
    imgEsci = makePictureButton(panel(), QStringLiteral("imgEsci"), QStringLiteral(":/icons/pulsante-esci.svg"),
        QSize(130, 40), booktext::backToStartTip(), QKeySequence(Qt::Key_Escape));
    imgEsci->setToolTip(imgEsci->statusTip());

    lblMemory = new QLabel(QString::fromLatin1(exitmarker::backToStart), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    // The choice sits on a white sheet in the middle of the screen, as in the
    // creation and opening windows.
    auto* sheet = new QWidget(panel());
    sheet->setObjectName(QStringLiteral("shpScheda"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(40);
    middle->addStretch(1);
    middle->addWidget(illustration, 0, Qt::AlignVCenter);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(24);
    buttons->addStretch(1);
    buttons->addWidget(btnCrea);
    buttons->addWidget(btnCompila);
    buttons->addStretch(1);
    middle->addLayout(buttons);
    middle->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(imgGuida);
    bottom->addWidget(imgEsci);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(24, 20, 24, 16);
    sheetLayout->addLayout(middle, 1);
    sheetLayout->addLayout(bottom);

    auto* column = contentLayout();
    column->setContentsMargins(40, 24, 40, 30);
    column->setSpacing(14);
    column->addWidget(title, 0, Qt::AlignHCenter);
    column->addWidget(lblIstruzioni);
    column->addWidget(sheet, 1);

    connect(btnCrea, &QPushButton::clicked, this, &BookMenu::btnCreaClick);
    connect(btnCompila, &QPushButton::clicked, this, &BookMenu::btnCompilaClick);
    connect(imgEsci, &QToolButton::clicked, this, &BookMenu::imgEsciClick);
}

void BookMenu::showEvent(QShowEvent* event)
{
    BookScreen::showEvent(event);
    if (!event->spontaneous())
        setExit(BookMenuExit::StartMenu);
}

void BookMenu::setExit(BookMenuExit exit)
{
    m_exit = exit;
    switch (exit) {
    case BookMenuExit::StartMenu:
        lblMemory->setText(QString::fromLatin1(exitmarker::backToStart));
        return;
    case BookMenuExit::Creation:
        lblMemory->setText(QString::fromLatin1(exitmarker::createBook));
        return;
    case BookMenuExit::Opening:
        lblMemory->setText(QString::fromLatin1(exitmarker::openBook));
        return;
    }
}

void BookMenu::btnCreaClick()
{
    setExit(BookMenuExit::Creation);
    close();
}

void BookMenu::btnCompilaClick()
{
    setExit(BookMenuExit::Opening);
    close();
}

void BookMenu::imgEsciClick()
{
    close();
}

} // namespace lumidex
