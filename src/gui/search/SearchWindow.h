#pragma once

#include "kinds/ArchiveKind.h"
#include "search/ArchiveSearch.h"

#include <QDialog>
#include <QList>
#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace lumidex {

class ResultListModel;
struct ArchiveProfile;
struct SearchForm;

// The search window of the registry and of both photo-book sides: ten criteria
// on a first panel, then the sorted result lines on a second one, where a line
// can be found by a word, printed as a summary, or chosen with a double click.
// The window reads the archive and never writes it; the card chosen is handed
// back to the opener (`chosenCard`), which puts it into its editor.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize clientSize { 862, 560 };
    static constexpr QSize panelSize { 833, 529 };

    ArchiveKind kind() const { return m_kind; }
    const SearchForm& form() const { return m_form; }
    // The card a double click chose, for the editor of the window's kind.
    const std::optional<Card>& chosenCard() const { return m_chosen; }
    // The result lines in the order the list shows them.
    QStringList listedLines() const;
    // The criteria fields, in the order Enter walks them.
    const QList<QLineEdit*>& criteriaFields() const { return m_criteria; }
    // Where the records come from: the archive file unless a test puts a
    // stand-in here.
    void setRecordSource(RecordSource records) { m_records = std::move(records); }

public slots:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnTrovaClick();
    void lstRecordsDblClick();
    void btnStampaClick();
    void btnAnnullaClick();
    void btnChiudiClick();

protected:
    SearchWindow(ArchiveKind kind, const QString& archivePath, QWidget* parent);

    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Criteria panel.
    QWidget* panAvvio = nullptr;
    QLabel* imgInfo = nullptr;
    QLabel* lblRigo04 = nullptr;
    QLabel* lblRigo05 = nullptr;
    QLabel* lblRigo06 = nullptr;
    QLabel* imgTrova01 = nullptr;
    QLabel* imgTrova02 = nullptr;
    QLabel* imgTrova03 = nullptr;
    QLabel* lblAttendere = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnCerca = nullptr;
    // Results panel.
    QWidget* panContainer = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblRigo01 = nullptr;
    QLabel* lblRigo02 = nullptr;
    QLabel* imgLente = nullptr;
    QLineEdit* txtTrova = nullptr;
    QPushButton* btnTrova = nullptr;
    QListView* lstRecords = nullptr;
    QLabel* lblRigo03 = nullptr;
    QLabel* lblTrovate = nullptr;
    QPushButton* btnChiudi = nullptr;
    QPushButton* btnStampa = nullptr;
    // Hidden: the number of filled criteria of the last search, and the words of
    // the kind's editor ("anagrafica", "bookuomini", "bookdonne"), which nothing reads.
    QLabel* lblConta = nullptr;
    QLabel* lblMemory = nullptr;

    QWidget* buildCriteriaPanel();
    QWidget* buildResultsPanel();
    void showWaitingNotice();
    void showResults(ResultLines lines);
    int selectedRow() const;
    void selectRow(int row);

    ArchiveKind m_kind;
    const ArchiveProfile& m_profile;
    const SearchForm& m_form;
    RecordSource m_records;
    QList<QLineEdit*> m_criteria;
    ResultListModel* m_lines = nullptr;
    QString m_lastKey;
    std::optional<Card> m_chosen;
};

} // namespace lumidex
