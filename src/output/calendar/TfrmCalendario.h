#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace lumidex {

// The small calendar a book editor opens from its date field. The marker in
// `lblMemory` says which editor's date it fills: "databookuomini" or
// "databookdonne". It always opens on today.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    QLabel* lblCampo001 = nullptr;
    QCalendarWidget* calAppuntamenti = nullptr;
    QPushButton* btnImportaData = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblMemory = nullptr;

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumidex
