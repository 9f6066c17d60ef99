#pragma once

#include "report/ContactSheetReport.h"
#include "ui/OutputChoiceWindow.h"

namespace lumidex {

// The contact sheet of the book open in a book editor: the book's name and how
// many photos and pages the sheet has, then print or preview.
class TfrmProvino : public OutputChoiceWindow {
    Q_OBJECT
public:
    explicit TfrmProvino(QWidget* parent = nullptr);

    // The book and its entries as read from its file.
    void setBook(const report::ContactSheetBook& book, const QList<report::ContactEntry>& entries);

protected:
    ReportResult produce(bool preview) override;
    QString failureMessage(bool preview) const override;

private:
    QLabel* const lblRiepilogo;

    report::ContactSheetBook m_book;
    QList<report::ContactEntry> m_entries;
};

} // namespace lumidex
