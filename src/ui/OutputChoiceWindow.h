#pragma once

#include <QDialog>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace lumidex {

struct ReportResult;

// A small fixed window between an editor and the printer, for a sheet that can be
// printed or looked at first: on a white panel a picture, a title and a sentence
// saying what the sheet holds, then the window's own controls; under the panel
// "Annulla", "Mostra anteprima" and "Stampa". After either action the window
// closes, whether the user printed, cancelled the print dialog or closed the
// preview; a failure is reported first with the window's own warning and, when
// it is known, its cause.
class OutputChoiceWindow : public QDialog {
    Q_OBJECT
public slots:
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnAnnullaClick();

protected:
    QFrame* const panSfondo;
    QLabel* const imgIcona;
    QLabel* const lblTitolo;
    QLabel* const lblSpiegazione;
    QFrame* const shpBarra;
    QPushButton* const btnAnnulla;
    QPushButton* const btnAnteprima;
    QPushButton* const btnStampa;

    struct Look {
        QString objectName;
        QString caption;
        QSize clientSize;
        QString picture;
        QString title;
        QString explanation;
    };
    OutputChoiceWindow(const Look& look, QWidget* parent);

    // Where the window puts its own controls, under the title on the panel.
    QVBoxLayout* body() const { return m_body; }

    // Prints the sheet through the print dialog, or shows it in the preview.
    [[nodiscard]] virtual ReportResult produce(bool preview) = 0;
    virtual QString failureMessage(bool preview) const = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    void run(bool preview);

    QVBoxLayout* m_body = nullptr;
};

} // namespace lumidex
