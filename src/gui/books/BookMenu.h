#pragma once

#include "gui/books/BookScreen.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace lumidex {

// The book menu of a side: create a new book or open an existing one. Its buttons
// only set the exit marker and close; the window set reads the marker and shows
// what follows.
class BookMenu : public BookScreen {
    Q_OBJECT
public:
    BookMenu(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    QLabel* lblIstruzioni = nullptr;
    QPushButton* btnCrea = nullptr;
    QPushButton* btnCompila = nullptr;
    QToolButton* imgEsci = nullptr;
    // Exit marker: "avvio", "crea" or "apri".
    QLabel* lblMemory = nullptr;

    // Where closing leads: the trimmed exit marker.
    QString exitMarker() const;

public slots:
    void btnCreaClick();
    void btnCompilaClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lumidex
