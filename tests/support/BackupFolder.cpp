#include "support/BackupFolder.h"

#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace lumidex::test::backupfolder {

namespace {

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Every printable character of Windows-1252, in 60-character pieces.
QStringList codePageTexts()
{
    QByteArray all;
    for (int byte = 0x21; byte <= 0xFF; ++byte)
        if (byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            all += char(byte);
    QStringDecoder decode("windows-1252");
    const QString text = decode(all);
    QStringList pieces;
    for (qsizetype at = 0; at < text.size(); at += 40)
        pieces << text.mid(at, 40);
    return pieces;
}

void put(QMap<QString, QByteArray>& files, const QString& programDir, const QString& path, const QByteArray& bytes)
{
    const QString full = QDir(programDir).filePath(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    writeBytes(full, bytes);
    files.insert(path, bytes);
}

} // namespace

QList<QStringList> registryCards()
{
    QList<QStringList> cards;
    const QStringList texts = codePageTexts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QStringList card = blankRecord(layouts::registry);
        card[0] = texts.at(i);
        card[1] = QStringLiteral("F");
        card[3] = QStringLiteral("Italiana");
        card[5] = texts.at((i + 1) % texts.size());
        cards << card;
    }
    // Attached files named by the cards, one of them with letters of the code page.
    cards[0][layouts::registryEditFields] = QStringLiteral("Contratto è già firmato.pdf");
    cards[0][layouts::registryEditFields + 3] = QStringLiteral("Il contratto");
    cards[1][layouts::registryEditFields] = QStringLiteral("Liberatoria.docx");
    return cards;
}

QMap<QString, QByteArray> fill(const QString& programDir)
{
    QMap<QString, QByteArray> files;
    const QDir dir(programDir);
    const Archive registry(dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")), layouts::registry);
    const QList<QStringList> cards = registryCards();
    for (const QStringList& card : cards)
        registry.append(card);
    files.insert(QStringLiteral("Archivio_Anagrafico.pro"), readBytes(registry.filePath()));

    const Archive men(dir.filePath(QStringLiteral("Sfilata Milano.men")), layouts::book);
    for (int entry = 1; entry <= 2; ++entry) {
        QStringList values = blankRecord(layouts::book);
        values[0] = QStringLiteral("Scatto %1 – «prova» ÀÉÎÕÜ ß œ €").arg(entry);
        men.append(values);
    }
    files.insert(QStringLiteral("Sfilata Milano.men"), readBytes(men.filePath()));
    const Archive women(dir.filePath(QStringLiteral("Estate.wmn")), layouts::book);
    for (int entry = 1; entry <= 3; ++entry) {
        QStringList values = blankRecord(layouts::book);
        values[0] = QStringLiteral("Spiaggia %1").arg(entry);
        values[layouts::bookEditFields] = QStringLiteral("Liberatoria.docx");
        women.append(values);
    }
    files.insert(QStringLiteral("Estate.wmn"), readBytes(women.filePath()));
    // An empty book: its file is there, with no entry.
    put(files, programDir, QStringLiteral("Vuoto.wmn"), {});

    for (int card = 1; card <= int(cards.size()); card += 2)
        put(files, programDir, QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(card), noise(3000 + card, card));
    put(files, programDir, QStringLiteral("Book_Uomini/Sfilata Milano_Foto_1.jpg"), noise(5000, 101));
    put(files, programDir, QStringLiteral("Book_Uomini/Sfilata Milano_Foto_2.jpg"), noise(5001, 102));
    put(files, programDir, QStringLiteral("Book_Donne/Estate_Foto_3.jpg"), noise(4000, 103));
    put(files, programDir, QStringLiteral("Documenti_Allegati/Contratto è già firmato.pdf"), noise(7000, 104));
    put(files, programDir, QStringLiteral("Documenti_Allegati/Liberatoria.docx"), noise(2500, 105));
    put(files, programDir, QStringLiteral("Documenti_Allegati/note di lavoro.txt"),
        QByteArray("Appunti del servizio\n").repeated(200));
    put(files, programDir, QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=6C75636572\r\n"));
    put(files, programDir, QStringLiteral("Lumidex_Agenzia.txt"), QByteArray("Agenzia Aurora – Milano\n"));
    put(files, programDir, QStringLiteral("Pacchetti/Registro_pacchetti.txt"),
        QByteArray("2025-01-10;Studio Alfa;3 schede\n"));
    put(files, programDir, QStringLiteral("Importazioni/Importazione_2025-01-09.txt"),
        QByteArray("12 schede importate\n"));
    return files;
}

QStringList outputFiles()
{
    return { QStringLiteral("Pacchetti/Studio Alfa_2025-01-10/index.html"),
        QStringLiteral("Gallerie/Estate_2025-01-11/index.html"), QStringLiteral("Dati_personali/Scheda_1.pdf"),
        QStringLiteral("Archivio_Anagrafico.xls") };
}

QStringList neverBackedUp()
{
    return { QStringLiteral("lumidex"), QStringLiteral("Guida.pdf"), QStringLiteral("appunti.txt"),
        QStringLiteral("Archivio_Anagrafico.pro.rollback-vecchio") };
}

QMap<QString, QByteArray> filesIn(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    QDirIterator walk(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QFileInfo entry = walk.nextFileInfo();
        if (!entry.isSymLink())
            files.insert(dir.relativeFilePath(entry.filePath()), readBytes(entry.filePath()));
    }
    return files;
}

} // namespace lumidex::test::backupfolder
