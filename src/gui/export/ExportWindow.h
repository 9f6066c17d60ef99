#pragma once

#include "export/ExportTable.h"
#include "kinds/ArchiveKind.h"

#include <QDialog>

class QLabel;
class QMouseEvent;
class QToolButton;

namespace lumidex {

class ExportGrid;
class ExportRecords;

// The export window of the registry or of a photo book: the archive in a grid,
// one row per card, read when the window is shown; the export button writes the
// grid, edits included, to the spreadsheet file in the program folder and offers
// to open it. The archive itself is never changed here.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    const ExportTable& table() const { return m_table; }
    // The spreadsheet the export writes.
    QString outputPath() const;

public slots:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    ExportWindow(ArchiveKind kind, const QString& windowName, const QString& programDir, const QString& sourcePath,
        QWidget* parent);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* panBarra = nullptr;
    QLabel* imgBanner = nullptr;
    QToolButton* cmdEsporta = nullptr;
    QToolButton* cmdGuida = nullptr;
    QToolButton* cmdEsci = nullptr;
    ExportGrid* grdRecords = nullptr;
    QWidget* panStato = nullptr;
    QLabel* panInfo = nullptr;

    QWidget* buildTopBar();
    QWidget* buildStatusBar();
    void fillGrid();
    void clearStatusUnlessOverButton(QWidget* receiver, QMouseEvent* move);

    const ExportTable& m_table;
    QString m_programDir;
    QString m_sourcePath;
    ExportRecords* m_records = nullptr;
    bool m_filled = false;
};

} // namespace lumidex
