#include "gui/contactsheet/TfrmProvino.h"

#include "common/Text.h"
#include "texts/ContactSheetTexts.h"
#include "ui/Interaction.h"

#include <QLabel>
#include <QVBoxLayout>

namespace lumidex {

TfrmProvino::TfrmProvino(QWidget* parent)
    : OutputChoiceWindow({ QStringLiteral("frmProvino"), contactsheettext::caption(), QSize(480, 240),
                             QStringLiteral(":/pictures/provino-illustrazione.svg"), contactsheettext::title(),
                             contactsheettext::explanation() },
        parent)
    , lblRiepilogo(new QLabel(panSfondo))
{
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    lblRiepilogo->setWordWrap(true);
    lblRiepilogo->setStyleSheet(QStringLiteral("font: bold 10pt \"Verdana\";"));
    body()->addWidget(lblRiepilogo);
}

void TfrmProvino::setBook(const report::ContactSheetBook& book, const QList<report::ContactEntry>& entries)
{
    m_book = book;
    m_entries = entries;
    const report::ContactSheetReport sheet(m_book, m_entries);
    lblRiepilogo->setText(contactsheettext::summary(text::trimmed(book.name), int(entries.size()), sheet.pageCount()));
}

ReportResult TfrmProvino::produce(bool preview)
{
    const report::ContactSheetReport sheet(m_book, m_entries);
    return preview ? interaction().previewReport(this, sheet) : interaction().printReport(this, sheet);
}

QString TfrmProvino::failureMessage(bool preview) const
{
    return preview ? contactsheettext::previewFailed() : contactsheettext::printFailed();
}

} // namespace lumidex
