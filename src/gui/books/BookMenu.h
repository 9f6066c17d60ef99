#pragma once

#include "books/BookExits.h"
#include "gui/books/BookScreen.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace lumidex {

// The book menu of a side: create a new book or open an existing one. Its buttons
// only choose the way out and close; the window set reads it and shows what
// follows.
class BookMenu : public BookScreen {
    Q_OBJECT
public:
    BookMenu(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    // Where closing leads.
    BookMenuExit exit() const { return m_exit; }

public slots:
    void btnCreaClick();
    void btnCompilaClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lblIstruzioni = nullptr;
    QPushButton* btnCrea = nullptr;
    QPushButton* btnCompila = nullptr;
    QToolButton* imgEsci = nullptr;
    // Shows the way out's words ("avvio", "crea" or "apri"); nothing reads it.
    QLabel* lblMemory = nullptr;

    void setExit(BookMenuExit exit);

    BookMenuExit m_exit = BookMenuExit::StartMenu;
};

} // namespace lumidex
