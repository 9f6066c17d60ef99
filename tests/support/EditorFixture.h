#pragma once

#include "gui/books/BookEditor.h"
#include "gui/editor/CardEditor.h"
#include "help/HelpPages.h"
#include "kinds/ArchiveKind.h"
#include "storage/RecordLayout.h"
#include "support/ScriptedInteraction.h"
#include "support/TestRecords.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QAbstractButton;
class QLineEdit;

namespace lumidex::test {

// The three card editors, one per archive kind: the registry card and the entry
// editors of the men's and the women's photo books.
const QList<ArchiveKind>& editorKinds();
const QList<ArchiveKind>& bookKinds();
// "registry", "men" or "women": the names of the data rows.
const char* kindName(ArchiveKind kind);
// Adds the column "kind" with one row per editor of `kinds`.
void addKindRows(const QList<ArchiveKind>& kinds = editorKinds());
// Adds the column "kind" and a text column `column`, with a row for every editor
// and every one of `values`.
void addKindRows(const char* column, const QStringList& values);

// The record the editor of `kind` stores, its fields as written out in
// support/TestRecords.h, how many of them the card edits, and the names of those
// edit fields in record order ("txtNome", ...).
const RecordLayout& recordLayout(ArchiveKind kind);
const QList<FieldShape>& recordFields(ArchiveKind kind);
int editFieldCount(ArchiveKind kind);
QStringList fieldControls(ArchiveKind kind);

// A new, hidden editor of `kind` working in `programDir`. A book editor works on
// the book `bookName` of that folder, as the catalogue sets it, or on none yet.
std::unique_ptr<CardEditor> makeEditor(ArchiveKind kind, const QString& programDir, const QString& bookName = {});

// A field of the card as a test expects it: its control, where it starts in a
// stored record (in bytes), and, for the fields the editor will not save
// without, a value that passes and the warning when the field is blank.
struct CardField {
    QString control;
    int offset = 0;
    QString value;
    QString message;
};

// The fields the editor of `kind` wants before it saves, in the order it checks them.
QList<CardField> requiredFields(ArchiveKind kind);
// Fills the required fields of `editor`, of `kind`, with values that pass.
void fillRequiredFields(CardEditor* editor, ArchiveKind kind);

// One editor of a kind, shown, in a temporary program folder of its own, with the
// scripted user standing by. A book editor works on the book `bookName`.
//
// The file names, offsets and texts are written out here rather than taken from
// the program, so that the tests check what the program writes and says.
class EditorFixture {
public:
    // The book of every book fixture; the blank inside the name is on purpose.
    static const QString bookName;

    explicit EditorFixture(ArchiveKind kind);
    ~EditorFixture();
    EditorFixture(const EditorFixture&) = delete;
    EditorFixture& operator=(const EditorFixture&) = delete;

    ArchiveKind kind() const { return m_kind; }
    CardEditor* editor() const { return m_editor.get(); }
    // The book editor, or nullptr for the registry.
    BookEditor* bookEditor() const;
    ScriptedInteraction& user() const { return *m_user; }

    // The program folder and the files of this kind in it.
    QString programDir() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString archiveFileName() const;
    QString archivePath() const { return filePath(archiveFileName()); }
    QString photoFolder() const;
    QString photoPath(int position) const;
    // Where the photo of `position` would be for each of the other two kinds.
    QStringList otherKindsPhotoPaths(int position) const;
    HelpPage helpPage() const;

    // The record as stored.
    const RecordLayout& layout() const { return recordLayout(m_kind); }
    int recordSize() const;
    int editFieldCount() const { return test::editFieldCount(m_kind); }
    QList<CardField> requiredFields() const { return test::requiredFields(m_kind); }
    // The last edit field of every card, the notes.
    CardField notesField() const;

    // The record seed() writes at `position`: a first field naming the position,
    // every required field filled, a note, and the first attached file with its
    // description.
    QStringList record(int position) const;
    // Appends record(1) .. record(count) with the storage layer.
    void seed(int count) const;
    int append(const QStringList& values) const;
    QStringList stored(int position) const;
    // The raw bytes of the record at `position`.
    QByteArray storedBytes(int position) const;
    // Puts `bytes` into the photo file of `position`, creating the photo folder.
    void writePhoto(int position, const QByteArray& bytes) const;
    // Seeds `count` cards and gives the first a photo: a 90 x 120 JPEG, whose
    // bytes it returns.
    QByteArray storeCardsWithPhoto(int count = 1) const;

    QLineEdit* edit(const QString& control) const;
    QLineEdit* firstField() const;
    void fillRequired() const { fillRequiredFields(editor(), m_kind); }
    QString position() const;
    // What the card shows: the edit fields, then the attachment labels, in record order.
    QStringList shownValues() const;
    void click(QAbstractButton* button) const;
    void click(const QString& button) const;
    ScriptedInteraction::Message lastMessage() const;
    // What the status line shows once the pointer brings `statusTip` (empty: the
    // pointer over the background).
    QString statusLineAfter(const QString& statusTip) const;

private:
    ArchiveKind m_kind;
    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedInteraction> m_user;
    std::unique_ptr<CardEditor> m_editor;
};

} // namespace lumidex::test
