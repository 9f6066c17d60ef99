#pragma once

#include "books/BookExits.h"
#include "gui/books/BookScreen.h"

class QLabel;
class QListWidget;
class QToolButton;

namespace lumidex {

// The opening window of a side: lists the side's books found in the program
// folder, hands the selected one to the book entry editor and deletes books.
// Where closing leads is decided by the window set from the window's way out.
class BookOpening : public BookScreen {
    Q_OBJECT
public:
    BookOpening(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    // Where closing leads.
    BookOpeningExit exit() const { return m_exit; }
    // The text of the selected item (the book's file name), empty when none is selected.
    QString selectedItemText() const;
    // The book file an item stands for. The item is the file's own name, read from
    // the folder, so it is taken as it is: a name that begins with a blank still
    // leads to its own file.
    QString bookFilePath(const QString& itemText) const;

public slots:
    void btnApriClick();
    void btnEliminaClick();
    void btnAnnullaClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* lstFiles = nullptr;
    QLabel* lblCreati = nullptr;
    QToolButton* btnApri = nullptr;
    QToolButton* btnElimina = nullptr;
    QToolButton* btnAnnulla = nullptr;
    // Path of the selected book file, and the way out's words ("avvio" or the
    // side's open marker), which nothing reads.
    QLabel* lblFile = nullptr;
    QLabel* lblMemory = nullptr;

    void setExit(BookOpeningExit exit);
    void fillList();
    void warn(const QString& text);

    BookOpeningExit m_exit = BookOpeningExit::StartMenu;
};

} // namespace lumidex
