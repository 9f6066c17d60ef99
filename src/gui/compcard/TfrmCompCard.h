#pragma once

#include "report/CompCardReport.h"
#include "ui/OutputChoiceWindow.h"

class QLineEdit;
class QRadioButton;

namespace lumidex {

// The comp card of the registry card the editor shows: the paper (A5 landscape,
// or A4), the agency's line at its foot, which the window keeps in the program
// folder for every card after, then print or preview.
class TfrmCompCard : public OutputChoiceWindow {
    Q_OBJECT
public:
    explicit TfrmCompCard(QWidget* parent = nullptr);

    // The card to print and the program folder that keeps the agency's line,
    // which the window shows at once.
    void setCard(const QString& programDir, const report::CompCardValues& card);

    report::CompCardPaper paper() const;

protected:
    ReportResult produce(bool preview) override;
    QString failureMessage(bool preview) const override;

private:
    QRadioButton* const optA5;
    QRadioButton* const optA4;
    QLineEdit* const txtAgenzia;

    void keepAgencyLine();

    QString m_programDir;
    report::CompCardValues m_card;
    QString m_savedAgencyLine;
};

} // namespace lumidex
