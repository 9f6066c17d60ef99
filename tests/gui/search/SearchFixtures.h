#pragma once

#include "storage/RecordLayout.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace lumidex {
class SearchWindow;
}

namespace lumidex::test {

// A registry card with its line fields and a few others filled.
QStringList registryCard(const QString& name, const QString& place = {}, const QString& notes = {});
// A book entry with its line fields and a few others filled.
QStringList bookEntry(const QString& title, const QString& location = {}, const QString& notes = {});

// Writes the records through the storage layer, one append each.
void writeRecords(const QString& path, const RecordLayout& layout, const QList<QStringList>& records);

// Types the criteria (control name to text) into a shown search window and
// clicks "Cerca" as the user does: the button goes down, then up.
void runSearch(SearchWindow& window, const QMap<QString, QString>& criteria = {});
// The row of the first listed line that starts with `start`; -1 when none does.
int rowStartingWith(const SearchWindow& window, const QString& start);
// Double-clicks the list line at `row`.
void doubleClickRow(SearchWindow& window, int row);
// The selected row of the list; -1 when none is.
int selectedRow(const SearchWindow& window);

} // namespace lumidex::test
