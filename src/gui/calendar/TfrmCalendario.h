#pragma once

#include "kinds/ArchiveKind.h"

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace lumidex {

// The small calendar a book editor opens from its date field, made for the
// editor's kind; its hidden `lblMemory` shows the kind's words ("databookuomini"
// or "databookdonne"), which nothing reads. It always opens on today, and hands
// the imported date back to its opener.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(ArchiveKind kind, QWidget* parent = nullptr);

    // The date "Importa" took, in the program's date form; empty until then.
    const QString& importedDate() const { return m_importedDate; }

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblCampo001 = nullptr;
    QCalendarWidget* calAppuntamenti = nullptr;
    QPushButton* btnImportaData = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblMemory = nullptr;

    QString m_importedDate;
};

} // namespace lumidex
