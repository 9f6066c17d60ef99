#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace lumidex {

// The small calendar a book editor opens from its date field. The marker in
// `lblMemory` says which editor's date it is for: "databookuomini" or
// "databookdonne"; with any other marker "Importa" does nothing. It always opens
// on today, and hands the imported date back to its opener.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    QLabel* lblCampo001 = nullptr;
    QCalendarWidget* calAppuntamenti = nullptr;
    QPushButton* btnImportaData = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblMemory = nullptr;

    // The date "Importa" took, in the program's date form; empty until then.
    const QString& importedDate() const { return m_importedDate; }

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_importedDate;
};

} // namespace lumidex
