#pragma once

#include "gui/editor/CardEditor.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace lumidex {

// The book entry editor: one photo entry at a time of the book file named by
// `lblFile`, its photo in the side's photo folder under the book's name. The
// catalogue sets `lblFile` and `lblNome` before it shows the window; a showing
// clears the entry but never the book.
class BookEditor : public CardEditor {
    Q_OBJECT
public:
    BookEditor(const QString& programDir, ArchiveKind kind, QWidget* parent = nullptr);

    // The book this editor works on, set by the opening window before the show.
    void setBook(const QString& filePath, const QString& bookName);

    QString bookName() const override;
    QString archivePath() const override;

public slots:
    void impDataClick();

protected:
    bool fieldKeyPress(QLineEdit* field, QKeyEvent* event) override;
    // Fills an empty camera or date field from the shooting data of the photo.
    void photoLoaded(const QString& path) override;

private:
    QLabel* const lblFile;
    QLabel* const lblNome;
    QLineEdit* const txtData;
    QToolButton* const impData;

    void txtDataKeyDown(QKeyEvent* event);
    QWidget* buildFieldArea();
};

} // namespace lumidex
