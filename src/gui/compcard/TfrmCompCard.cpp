#include "gui/compcard/TfrmCompCard.h"

#include "common/Text.h"
#include "compcard/AgencyLine.h"
#include "report/ComposedReport.h"
#include "texts/CompCardTexts.h"
#include "ui/Interaction.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

QRadioButton* makeChoice(QWidget* parent, const QString& name, const QString& text)
{
    auto* choice = new QRadioButton(text, parent);
    choice->setObjectName(name);
    choice->setCursor(Qt::PointingHandCursor);
    return choice;
}

} // namespace

TfrmCompCard::TfrmCompCard(QWidget* parent)
    : OutputChoiceWindow({ QStringLiteral("frmCompCard"), compcardtext::caption(), QSize(480, 290),
                             QStringLiteral(":/pictures/compcard-illustrazione.svg"), compcardtext::title(),
                             compcardtext::explanation() },
        parent)
    , optA5(makeChoice(panSfondo, QStringLiteral("optA5"), compcardtext::paperA5()))
    , optA4(makeChoice(panSfondo, QStringLiteral("optA4"), compcardtext::paperA4()))
    , txtAgenzia(new QLineEdit(panSfondo))
{
    optA5->setChecked(true);
    auto* papers = new QButtonGroup(this);
    papers->addButton(optA5);
    papers->addButton(optA4);
    txtAgenzia->setObjectName(QStringLiteral("txtAgenzia"));
    txtAgenzia->setMaxLength(agencyline::maxLength);

    auto* paperRow = new QHBoxLayout;
    paperRow->setSpacing(14);
    auto* paperLabel = new QLabel(compcardtext::paperLabel(), panSfondo);
    paperLabel->setObjectName(QStringLiteral("lblFormato"));
    paperRow->addWidget(paperLabel);
    paperRow->addWidget(optA5);
    paperRow->addWidget(optA4);
    paperRow->addStretch(1);
    auto* agencyLabel = new QLabel(compcardtext::agencyLabel(), panSfondo);
    agencyLabel->setObjectName(QStringLiteral("lblAgenzia"));
    agencyLabel->setBuddy(txtAgenzia);

    body()->addLayout(paperRow);
    body()->addSpacing(4);
    body()->addWidget(agencyLabel);
    body()->addWidget(txtAgenzia);
}

void TfrmCompCard::setCard(const QString& programDir, const report::CompCardValues& card)
{
    m_programDir = programDir;
    m_card = card;
    m_savedAgencyLine = agencyline::read(programDir);
    txtAgenzia->setText(m_savedAgencyLine);
}

report::CompCardPaper TfrmCompCard::paper() const
{
    return optA4->isChecked() ? report::CompCardPaper::A4 : report::CompCardPaper::A5;
}

void TfrmCompCard::keepAgencyLine()
{
    const QString line = text::trimmed(txtAgenzia->text());
    if (line == m_savedAgencyLine)
        return;
    FailureCause cause;
    if (agencyline::write(m_programDir, line, &cause))
        m_savedAgencyLine = line;
    else
        interaction().message(
            this, MessageKind::Warning, withCause(compcardtext::agencyNotSaved(), cause), Buttons::OkCancel);
}

ReportResult TfrmCompCard::produce(bool preview)
{
    keepAgencyLine();
    const std::optional<report::ReportLayout> layout = report::filledCompCard(paper(), m_card, txtAgenzia->text());
    if (!layout)
        return { ReportOutcome::Failed, {} };
    const report::ComposedReport composed = report::compose(*layout);
    return preview ? interaction().previewReport(this, composed) : interaction().printReport(this, composed);
}

QString TfrmCompCard::failureMessage(bool preview) const
{
    return preview ? compcardtext::previewFailed() : compcardtext::printFailed();
}

} // namespace lumidex
