#include "SearchFixtures.h"

#include "gui/search/SearchWindow.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/TestHelpers.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

namespace lumidex::test {

QStringList registryCard(const QString& name, const QString& place, const QString& notes)
{
    const RecordLayout& layout = layouts::registry;
    QStringList values(layout.fieldCount());
    values[layout.indexOf("Nome")] = name;
    values[layout.indexOf("Sesso")] = QStringLiteral("F");
    values[layout.indexOf("DataNasc")] = QStringLiteral("14/05/1998");
    values[layout.indexOf("Cittadinanza")] = QStringLiteral("Italiana");
    values[layout.indexOf("LuogoNasc")] = place;
    values[layout.indexOf("Tel")] = QStringLiteral("0541 123456");
    values[layout.indexOf("Occhi")] = QStringLiteral("verdi");
    values[layout.indexOf("Note")] = notes;
    values[layout.indexOf("File01")] = QStringLiteral("contratto.pdf");
    values[layout.indexOf("Desc01")] = QStringLiteral("Contratto di ") + name;
    return values;
}

QStringList bookEntry(const QString& title, const QString& location, const QString& notes)
{
    const RecordLayout& layout = layouts::book;
    QStringList values(layout.fieldCount());
    values[layout.indexOf("Titolo")] = title;
    values[layout.indexOf("Descrizione")] = QStringLiteral("Scatto di ") + title;
    values[layout.indexOf("Data")] = QStringLiteral("12/06/2023");
    values[layout.indexOf("Location")] = location;
    values[layout.indexOf("Fotografo")] = QStringLiteral("Luca Neri");
    values[layout.indexOf("Fotoritocco")] = QStringLiteral("leggero");
    values[layout.indexOf("Note")] = notes;
    values[layout.indexOf("File02")] = QStringLiteral("liberatoria.pdf");
    return values;
}

void writeRecords(const QString& path, const RecordLayout& layout, const QList<QStringList>& records)
{
    const Archive archive(path, layout);
    for (const QStringList& values : records)
        archive.append(values);
}

void runSearch(SearchWindow& window, const QMap<QString, QString>& criteria)
{
    for (auto it = criteria.begin(); it != criteria.end(); ++it)
        window.findChild<QLineEdit*>(it.key())->setText(it.value());
    QTest::mouseClick(named<QPushButton>(&window, "btnCerca"), Qt::LeftButton);
}

int rowStartingWith(const SearchWindow& window, const QString& start)
{
    const QStringList lines = window.listedLines();
    for (int row = 0; row < lines.size(); ++row) {
        if (lines.at(row).startsWith(start))
            return row;
    }
    return -1;
}

void doubleClickRow(SearchWindow& window, int row)
{
    QListView* list = named<QListView>(&window, "lstRecords");
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    // The first click of a double click selects the line, as it does for the user.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

int selectedRow(const SearchWindow& window)
{
    const QModelIndexList rows = named<QListView>(&window, "lstRecords")->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

} // namespace lumidex::test
