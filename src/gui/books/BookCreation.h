#pragma once

#include "gui/books/BookScreen.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

namespace lumidex {

// The creation window of a side: the user names a new book and the program
// creates its empty archive file in the program folder. Closing it always leads
// back to the start menu.
class BookCreation : public BookScreen {
    Q_OBJECT
public:
    BookCreation(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

public slots:
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* txtFile = nullptr;
    QToolButton* btnApplica = nullptr;
    QToolButton* btnAnnulla = nullptr;
    // Full path of the book file to create.
    // Says, under the name, what became of a letter a book name cannot hold.
    QLabel* lblAvviso = nullptr;
    QLabel* lblFile = nullptr;

    // Returns true when the key is swallowed.
    bool txtFileKeyDown(QKeyEvent* event);
    void warn(const QString& text);
};

} // namespace lumidex
