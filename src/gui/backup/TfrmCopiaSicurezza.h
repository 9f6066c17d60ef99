#pragma once

#include "backup/BackupSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lumidex {

// The backup window: the last backup, the folder the backups go to, what goes
// in, how often leaving the program reminds of one and how many to keep; a
// backup made now, and the restore from one. The choices are kept in the
// folder's "Lumidex.ini" as soon as they change.
class TfrmCopiaSicurezza : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCopiaSicurezza(const QString& programDir, QWidget* parent = nullptr);

    // The choices as the window shows them now.
    const backup::Settings& settings() const { return m_settings; }

public slots:
    void cmdScegliClick();
    void chkIncludiClick();
    void cmbPromemoriaChange();
    void spnConservaChange();
    void cmdEseguiClick();
    void cmdRipristinaClick();
    void cmdRipristinaAltroveClick();
    void cmdChiudiClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();
    void showSettings();
    // Keeps the choices in the folder's settings; tells the user once when it cannot.
    void keepSettings();

    QString m_programDir;
    backup::Settings m_settings;
    bool m_settingsFailureTold = false;

    QFrame* const panSfondo;
    QLabel* const lblUltima;
    QLineEdit* const txtCartella;
    QPushButton* const cmdScegli;
    QCheckBox* const chkIncludi;
    QComboBox* const cmbPromemoria;
    QSpinBox* const spnConserva;
    QPushButton* const cmdEsegui;
    QPushButton* const cmdRipristina;
    QPushButton* const cmdRipristinaAltrove;
    QPushButton* const cmdChiudi;
};

} // namespace lumidex
