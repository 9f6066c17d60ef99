#include "gui/calendar/TfrmCalendario.h"

#include "common/Formatting.h"
#include "kinds/ArchiveProfile.h"
#include "texts/BookTexts.h"
#include "texts/CommonTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TfrmCalendario::TfrmCalendario(ArchiveKind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
{
    setUpFixedWindow(this, QStringLiteral("frmCalendario"), booktext::calendarCaption(), QSize(253, 294));
    centreOnOwner(this);
    applyFormatSettings();
    setStyleSheet(QStringLiteral(R"(
#lblCampo001 { font: 10pt "Verdana"; color: #1F3F66; }
#panCalendario { background: #D6DCE1; }
QPushButton { font: 9pt "Verdana"; }
)"));

    lblCampo001 = new QLabel(booktext::calendarPrompt(), this);
    lblCampo001->setObjectName(QStringLiteral("lblCampo001"));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panCalendario"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setFixedSize(206, 188);
    calAppuntamenti = new QCalendarWidget(panel);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calAppuntamenti->setFixedSize(182, 164);
    calAppuntamenti->setSelectedDate(QDate::currentDate());
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 12, 12, 12);
    panelLayout->addWidget(calAppuntamenti);

    btnAnnulla = new QPushButton(commontext::cancelButton(), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnImportaData = new QPushButton(booktext::importButton(), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    for (QPushButton* button : { btnAnnulla, btnImportaData }) {
        button->setFixedSize(96, 28);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
    }
    btnImportaData->setDefault(true);

    lblMemory = new QLabel(archiveProfile(kind).dateMarker, this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 14);
    column->setSpacing(8);
    column->addWidget(lblCampo001);
    column->addWidget(panel, 0, Qt::AlignHCenter);
    column->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch(1);
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnImportaData);
    buttons->addStretch(1);
    column->addLayout(buttons);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    // Enter or a double click on a day imports it, as "Importa" would.
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    m_importedDate = formatShortDate(calAppuntamenti->selectedDate());
    accept();
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}

void TfrmCalendario::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, Qt::white, style::steelBlue());
}

} // namespace lumidex
