#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <thread>
#include <unistd.h>

using namespace lumidex;

class TestArchive : public QObject {
    Q_OBJECT

private slots:
    void init();
    void appendWritesTheRecordBytes();
    void readGivesBackWhatWasStored();
    void forEachStopsWhenAsked();
    void partialTrailingRecord();
    void positionsOutsideTheArchiveFail_data();
    void positionsOutsideTheArchiveFail();
    void writeOverwritesInPlace();
    void absentArchiveIsCreatedEmpty_data();
    void absentArchiveIsCreatedEmpty();
    void unusableLocationsFail_data();
    void unusableLocationsFail();
    void waitsForAnotherInstance();
    void lockHeldTooLongFails();
    void lockOfAKilledProgramDiesWithIt();
    void aReadOnlyArchiveCanBeBrowsed();
    void noFileBesideTheArchive();
    void aMoveReadsCountAndCardInOneOpening();
    void visitDecodesOnlyWhatItIsAskedFor();
    void aScanReusesItsTextsAndKeptCopiesStay();
    void aLongScanSeesEveryCardInOrder_data();
    void aLongScanSeesEveryCardInOrder();
    void aLongScanCutShortFailsAfterWholeParts();
    void aScanInRunsSeesEveryCardOnce_data();
    void aScanInRunsSeesEveryCardOnce();
    void aRunStoppedOrFailedLeavesTheOthersToEnd();
    void twoProgramsAppendAtOnce();

private:
    QString path(const QString& name = QStringLiteral("Archivio_Anagrafico.pro")) const
    {
        return m_dir->filePath(name);
    }
    QProcess* startHolder(const QString& archivePath, int milliseconds);

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

using Operation = std::function<void(const Archive&)>;

const QList<QPair<const char*, Operation>>& operations()
{
    static const QList<QPair<const char*, Operation>> all {
        { "count", [](const Archive& a) { a.count(); } },
        { "read", [](const Archive& a) { a.read(1); } },
        { "write", [](const Archive& a) { a.write(1, { QStringLiteral("x") }); } },
        { "append", [](const Archive& a) { a.append({ QStringLiteral("x") }); } },
        { "readAll", [](const Archive& a) { a.readAll(); } },
        { "forEach", [](const Archive& a) { a.forEach([](int, const QStringList&) { return true; }); } },
    };
    return all;
}

// A registry record holding only a name, as raw bytes.
QByteArray rawRegistryRecord(const char* nome)
{
    return test::rawRecord(test::registryRecordFields(), QStringList { QString::fromLatin1(nome) });
}

} // namespace

void TestArchive::init()
{
    // Where another user can reach it: some tests run the worker as nobody on it.
    m_dir = test::folderForAnyUser();
    QVERIFY(m_dir);
}

QProcess* TestArchive::startHolder(const QString& archivePath, int milliseconds)
{
    auto* holder = new QProcess(this);
    holder->start(
        QStringLiteral(ARCHIVE_WORKER_PATH), { QStringLiteral("hold"), archivePath, QString::number(milliseconds) });
    if (!holder->waitForReadyRead(10000) || holder->readAll().trimmed() != "locked") {
        holder->kill();
        holder->waitForFinished();
        return nullptr;
    }
    return holder;
}

void TestArchive::appendWritesTheRecordBytes()
{
    const Archive archive(path(), layouts::registry);
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("  Mario Rossi\t");
    values[1] = QStringLiteral("M");
    values[6] = QString::fromUtf8("RSSMRA80A01H501U");
    values[12] = QString::fromUtf8("Français, Русский €");
    values[31] = QString(300, QLatin1Char('d'));

    QCOMPARE(archive.append(values), 1);
    const QByteArray bytes = test::readBytes(path());
    QCOMPARE(bytes.size(), 3847);

    QCOMPARE(bytes.left(51), QByteArray("\x0bMario Rossi") + QByteArray(39, '\0'));
    QCOMPARE(bytes.mid(51, 2), QByteArray("\x01M"));
    QCOMPARE(bytes.mid(53, 11), QByteArray(11, '\0'));
    QCOMPARE(bytes.mid(417, 17), QByteArray("\x10RSSMRA80A01H501U"));
    const QByteArray lingue("Fran\xe7"
                            "ais, ??????? \x80");
    QCOMPARE(bytes.mid(889, 251), char(lingue.size()) + lingue + QByteArray(250 - lingue.size(), '\0'));
    QCOMPARE(bytes.mid(3596), QByteArray("\xfa") + QByteArray(250, 'd'));

    QCOMPARE(archive.append({ QStringLiteral("Anna") }), 2);
    const QByteArray two = test::readBytes(path());
    QCOMPARE(two.size(), 2 * 3847);
    QCOMPARE(two.left(3847), bytes);
    QCOMPARE(two.mid(3847), rawRegistryRecord("Anna"));
}

void TestArchive::readGivesBackWhatWasStored()
{
    const Archive archive(path(QStringLiteral("Estate.wmn")), layouts::book);
    QList<QStringList> stored;
    for (int i = 1; i <= 600; ++i) {
        QStringList values(layouts::book.fieldCount());
        values[0] = QStringLiteral("Foto %1").arg(i);
        values[2] = QStringLiteral("01/02/2023");
        values[17] = QString::fromUtf8("Descrizione è %1").arg(i);
        stored << values;
    }
    // Straight to the file, so that reading spans several buffered chunks.
    QByteArray raw;
    for (const QStringList& values : stored)
        raw += layouts::book.encode(values);
    test::writeBytes(path(QStringLiteral("Estate.wmn")), raw);

    QCOMPARE(archive.count(), 600);
    QCOMPARE(archive.read(1), stored.first());
    QCOMPARE(archive.read(257), stored[256]);
    QCOMPARE(archive.read(600), stored.last());
    QCOMPARE(archive.readAll(), stored);

    int expected = 1;
    archive.forEach([&](int position, const QStringList& values) {
        [&] {
            QCOMPARE(position, expected);
            QCOMPARE(values, stored[position - 1]);
        }();
        ++expected;
        return true;
    });
    QCOMPARE(expected, 601);
}

void TestArchive::forEachStopsWhenAsked()
{
    const Archive archive(path(), layouts::registry);
    for (int i = 0; i < 5; ++i)
        archive.append({ QString::number(i + 1) });
    QStringList seen;
    archive.forEach([&](int position, const QStringList& values) {
        seen << values[0];
        return position < 3;
    });
    QCOMPARE(seen, QStringList({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") }));
    // The archive is released after the early stop: a write gets in at once.
    Archive impatient(path(), layouts::registry);
    impatient.setLockTimeout(0);
    impatient.write(5, { QStringLiteral("Cinque") });
    QCOMPARE(archive.count(), 5);
}

void TestArchive::partialTrailingRecord()
{
    const Archive archive(path(), layouts::registry);
    test::writeBytes(path(), rawRegistryRecord("Uno") + rawRegistryRecord("Due") + QByteArray(100, 'x'));

    QCOMPARE(archive.count(), 2);
    QCOMPARE(archive.readAll().size(), 2);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.read(3));

    // The incomplete record was never readable; the new record takes its place.
    QCOMPARE(archive.append({ QStringLiteral("Tre") }), 3);
    const QByteArray bytes = test::readBytes(path());
    QCOMPARE(bytes.size(), 3 * 3847);
    QCOMPARE(bytes.mid(2 * 3847), rawRegistryRecord("Tre"));
    QCOMPARE(archive.read(3).first(), QStringLiteral("Tre"));
}

void TestArchive::positionsOutsideTheArchiveFail_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the end") << 3;
    QTest::newRow("far past the end") << 1000;
}

void TestArchive::positionsOutsideTheArchiveFail()
{
    QFETCH(int, position);
    const Archive archive(path(), layouts::registry);
    test::writeBytes(path(), rawRegistryRecord("Uno") + rawRegistryRecord("Due"));
    const QByteArray before = test::readBytes(path());

    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.read(position));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.write(position, { QStringLiteral("Nuovo") }));
    QCOMPARE(test::readBytes(path()), before);
}

void TestArchive::writeOverwritesInPlace()
{
    const Archive archive(path(), layouts::registry);
    test::writeBytes(path(), rawRegistryRecord("Uno") + rawRegistryRecord("Due") + rawRegistryRecord("Tre"));

    archive.write(2, { QStringLiteral("Secondo") });
    archive.write(2, { QStringLiteral("  Secondo bis ") });
    const QByteArray bytes = test::readBytes(path());
    QCOMPARE(bytes.size(), 3 * 3847);
    QCOMPARE(bytes.left(3847), rawRegistryRecord("Uno"));
    QCOMPARE(bytes.mid(3847, 3847), rawRegistryRecord("Secondo bis"));
    QCOMPARE(bytes.mid(2 * 3847), rawRegistryRecord("Tre"));
}

void TestArchive::absentArchiveIsCreatedEmpty_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("count") << 0;
    QTest::newRow("read") << 1;
    QTest::newRow("write") << 2;
    QTest::newRow("readAll") << 4;
}

void TestArchive::absentArchiveIsCreatedEmpty()
{
    QFETCH(int, operation);
    const Archive archive(path(), layouts::registry);
    QVERIFY(!QFile::exists(path()));
    try {
        operations()[operation].second(archive);
    } catch (const ArchiveError&) {
        // Reading the first card of an empty archive fails; the file is made all the same.
    }
    QVERIFY(QFile::exists(path()));
    QCOMPARE(QFileInfo(path()).size(), 0);
    QCOMPARE(archive.count(), 0);
}

void TestArchive::unusableLocationsFail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("operation");
    // The tests may run as root, who may write anywhere: these places fail for anyone.
    for (const char* kind : { "archive is a folder", "folder is a file" })
        for (int i = 0; i < operations().size(); ++i)
            QTest::addRow("%s, %s", kind, operations()[i].first) << QString::fromUtf8(kind) << i;
}

void TestArchive::unusableLocationsFail()
{
    QFETCH(QString, kind);
    QFETCH(int, operation);

    QString archivePath;
    if (kind == QStringLiteral("archive is a folder")) {
        archivePath = path();
        QVERIFY(QDir().mkdir(archivePath));
    } else {
        test::writeBytes(path(QStringLiteral("notadir")), "a file where a folder should be");
        archivePath = path(QStringLiteral("notadir/Archivio_Anagrafico.pro"));
    }
    const Archive archive(archivePath, layouts::registry);
    try {
        operations()[operation].second(archive);
        QFAIL("the operation succeeded");
    } catch (const ArchiveError& error) {
        QVERIFY(!error.reason().isEmpty());
    }
}

void TestArchive::waitsForAnotherInstance()
{
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    QProcess* holder = startHolder(path(), 400);
    QVERIFY(holder);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(archive.append({ QStringLiteral("Due") }), 2);
    QVERIFY2(timer.elapsed() >= 200, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(holder->waitForFinished());
    QCOMPARE(holder->exitCode(), 0);
    QCOMPARE(archive.read(2).first(), QStringLiteral("Due"));
}

void TestArchive::lockHeldTooLongFails()
{
    Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    archive.setLockTimeout(300);
    QProcess* holder = startHolder(path(), 60000);
    QVERIFY(holder);

    // Reading waits as writing does: a card half written is never shown.
    QElapsedTimer timer;
    timer.start();
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.append({ QStringLiteral("Due") }));
    QVERIFY(timer.elapsed() >= 300);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.read(1));
    holder->kill();
    holder->waitForFinished();
    QCOMPARE(QFileInfo(path()).size(), 3847);
}

void TestArchive::lockOfAKilledProgramDiesWithIt()
{
    Archive archive(path(), layouts::registry);
    archive.setLockTimeout(2000);
    QProcess* holder = startHolder(path(), 60000);
    QVERIFY(holder);
    holder->kill();
    QVERIFY(holder->waitForFinished());

    QCOMPARE(archive.append({ QStringLiteral("Uno") }), 1);
    QCOMPARE(archive.read(1).first(), QStringLiteral("Uno"));
}

void TestArchive::aReadOnlyArchiveCanBeBrowsed()
{
    // A folder where the user may read but not create files, and an archive the
    // user may read but not write: browsing works, saving is refused. Run as an
    // unprivileged user, since the tests may run as root, who may write anywhere.
    const Archive archive(path(), layouts::registry);
    archive.append({ "Uno" });
    archive.append({ "Due" });
    QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(m_dir->path(),
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));

    const std::unique_ptr<QTemporaryDir> programs = test::folderForAnyUser();
    QVERIFY(programs);
    const QString worker = test::copyForAnyUser(ARCHIVE_WORKER_PATH, programs->path());
    QVERIFY(!worker.isEmpty());
    QProcess browser;
    test::startAsNobody(browser);
    browser.start(worker, { "browse", path() });
    QVERIFY(browser.waitForFinished(10000));
    QVERIFY2(browser.exitCode() == 0, browser.readAllStandardError().constData());
    QCOMPARE(browser.readAllStandardOutput().trimmed(), QByteArray("2 Uno refused"));
    QCOMPARE(QFileInfo(path()).size(), 2 * 3847);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestArchive::noFileBesideTheArchive()
{
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    archive.read(1);
    archive.forEach([&](int, const QStringList&) { return true; });
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("Archivio_Anagrafico.pro") });
}

void TestArchive::aMoveReadsCountAndCardInOneOpening()
{
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Uno") });
    archive.append({ QStringLiteral("Due") });
    int seen = -1;
    const Archive::CountAndCard last = archive.readChosen([&](int count) {
        seen = count;
        return count;
    });
    QCOMPARE(seen, 2);
    QCOMPARE(last.count, 2);
    QCOMPARE(last.card.position, 2);
    QCOMPARE(last.card.values.first(), QStringLiteral("Due"));

    const Archive::CountAndCard none = archive.readChosen([](int) { return 0; });
    QCOMPARE(none.count, 2);
    QVERIFY(none.card.values.isEmpty());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.readChosen([](int count) { return count + 1; }));
}

void TestArchive::visitDecodesOnlyWhatItIsAskedFor()
{
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral("Anna"), QStringLiteral("F"), QStringLiteral(""), QStringLiteral("Italiana") });
    archive.append({ QStringLiteral("Bruno"), QStringLiteral("M"), QStringLiteral(""), QStringLiteral("Svizzera") });
    QStringList seen;
    archive.visit([&](int position, const RecordView& record) {
        seen << QStringLiteral("%1:%2:%3").arg(position).arg(record.text(0), record.text(3));
        return true;
    });
    QCOMPARE(seen, QStringList({ QStringLiteral("1:Anna:Italiana"), QStringLiteral("2:Bruno:Svizzera") }));
}

// Cards named by their position, written straight to the file.
static void writeNumberedCards(const QString& path, int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += test::rawRecord(test::registryRecordFields(), { QString::number(n) });
    test::writeBytes(path, bytes);
}

// A scan of many cards is read a part at a time: every card comes once, in
// file order, with its own values, whether the scan goes to the end or stops
// anywhere (at a part's first or last card too).
void TestArchive::aLongScanSeesEveryCardInOrder_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("stopAt");
    QTest::newRow("to the end") << 1000 << 0;
    QTest::newRow("one part and a card") << 65 << 0;
    QTest::newRow("stopped in the first part") << 1000 << 10;
    QTest::newRow("stopped at a part's last card") << 1000 << 128;
    QTest::newRow("stopped at a part's first card") << 1000 << 129;
    QTest::newRow("stopped at the last card") << 1000 << 1000;
}

void TestArchive::aLongScanSeesEveryCardInOrder()
{
    QFETCH(int, cards);
    QFETCH(int, stopAt);
    writeNumberedCards(path(), cards);
    QList<int> positions;
    bool namedByPosition = true;
    Archive(path(), layouts::registry).visit([&](int position, const RecordView& record) {
        positions << position;
        namedByPosition = namedByPosition && record.text(0) == QString::number(position);
        return position != stopAt;
    });
    QVERIFY(namedByPosition);
    const int expected = stopAt ? stopAt : cards;
    QCOMPARE(positions.size(), expected);
    QCOMPARE(positions.first(), 1);
    QCOMPARE(positions.last(), expected);
    QVERIFY(std::is_sorted(positions.cbegin(), positions.cend()));
    // The archive is free again at once for a program that saves.
    Archive saver(path(), layouts::registry);
    saver.setLockTimeout(0);
    QCOMPARE(saver.append({ QStringLiteral("Nuova") }), cards + 1);
}

// The file loses its tail while a long scan runs (as a damaged disk might show
// it): the cards read before the failure come whole and in order, then the scan
// fails; no card is made up and none comes twice.
void TestArchive::aLongScanCutShortFailsAfterWholeParts()
{
    writeNumberedCards(path(), 1000);
    QList<int> positions;
    bool namedByPosition = true;
    bool cut = false;
    const auto scan = [&] {
        Archive(path(), layouts::registry).visit([&](int position, const RecordView& record) {
            if (position == 2)
                cut = QFile::resize(path(), qint64(300) * test::registryRecordSize);
            positions << position;
            namedByPosition = namedByPosition && record.text(0) == QString::number(position);
            return true;
        });
    };
    QVERIFY_THROWS_EXCEPTION(ArchiveError, scan());
    QVERIFY(cut);
    QVERIFY(namedByPosition);
    QVERIFY(!positions.isEmpty());
    QVERIFY(positions.size() <= 300);
    for (int i = 0; i < positions.size(); ++i)
        QCOMPARE(positions.at(i), i + 1);
}

namespace {

// Cards of one short field: sixteen bytes each, so an archive long enough to be
// scanned in several runs is written in a moment.
constexpr std::array<RecordField, 1> numberField { { { "Numero", 15 } } };
constexpr RecordLayout numbered(numberField);

void writeNumbered(const QString& path, int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += numbered.encode({ QString::number(n) });
    test::writeBytes(path, bytes);
}

// What each run of a scan saw, in the order it saw it.
struct RunsSeen {
    QMutex mutex;
    std::map<int, QList<int>> positions;
    std::map<int, std::thread::id> threads;
    bool namedByPosition = true;

    void see(int part, int position, const RecordView& record)
    {
        const QMutexLocker lock(&mutex);
        positions[part] << position;
        threads.emplace(part, std::this_thread::get_id());
        namedByPosition = namedByPosition && record.text(0) == QString::number(position);
    }
};

} // namespace

// A large archive is scanned in runs side by side, each on a thread of its
// own: every card comes once, each run in file order, the runs one after the
// other; a small archive is one run whatever is asked.
void TestArchive::aScanInRunsSeesEveryCardOnce_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("runs");
    QTest::newRow("one run asked") << 2 * Archive::recordsPerRun + 5 << 1 << 1;
    QTest::newRow("two runs") << 2 * Archive::recordsPerRun + 5 << 2 << 2;
    QTest::newRow("three runs, cards left over") << 3 * Archive::recordsPerRun + 2 << 3 << 3;
    QTest::newRow("too few cards for a second run") << 2 * Archive::recordsPerRun - 1 << 2 << 1;
    QTest::newRow("more runs asked than the cards are worth") << 2 * Archive::recordsPerRun << 8 << 2;
    QTest::newRow("no run asked") << 100 << 0 << 1;
    QTest::newRow("empty archive") << 0 << 2 << 1;
}

void TestArchive::aScanInRunsSeesEveryCardOnce()
{
    QFETCH(int, cards);
    QFETCH(int, parts);
    QFETCH(int, runs);
    writeNumbered(path(), cards);
    RunsSeen seen;
    Archive(path(), numbered).visitInParts(parts, [&](int part, int position, const RecordView& record) {
        seen.see(part, position, record);
        return true;
    });
    QVERIFY(seen.namedByPosition);
    QCOMPARE(int(seen.positions.size()), cards == 0 ? 0 : runs);
    int next = 1;
    for (const auto& [part, positions] : seen.positions) {
        QVERIFY(part >= 0 && part < runs);
        // Consecutive cards from where the run before ended.
        for (const int position : positions)
            QCOMPARE(position, next++);
        if (part > 0)
            QVERIFY(seen.threads.at(part) != seen.threads.at(0));
    }
    QCOMPARE(next, cards + 1);
    if (cards > 0)
        QCOMPARE(seen.threads.at(0), std::this_thread::get_id());
}

// A run that stops, or fails, ends alone: the others see all their cards, and
// the failure comes out once they have, with the archive free again.
void TestArchive::aRunStoppedOrFailedLeavesTheOthersToEnd()
{
    const int cards = 2 * Archive::recordsPerRun;
    writeNumbered(path(), cards);
    RunsSeen stopped;
    Archive(path(), numbered).visitInParts(2, [&](int part, int position, const RecordView& record) {
        stopped.see(part, position, record);
        return part != 0;
    });
    QCOMPARE(stopped.positions.at(0), QList<int> { 1 });
    QCOMPARE(stopped.positions.at(1).size(), Archive::recordsPerRun);
    QCOMPARE(stopped.positions.at(1).last(), cards);

    RunsSeen failed;
    const auto scan = [&] {
        Archive(path(), numbered).visitInParts(2, [&](int part, int position, const RecordView& record) {
            if (part == 1)
                throw ArchiveError(QStringLiteral("Short read"));
            failed.see(part, position, record);
            return true;
        });
    };
    QVERIFY_THROWS_EXCEPTION(ArchiveError, scan());
    QCOMPARE(failed.positions.at(0).size(), Archive::recordsPerRun);
    QVERIFY(!failed.positions.contains(1));
    Archive saver(path(), numbered);
    saver.setLockTimeout(0);
    QCOMPARE(saver.append({ QStringLiteral("Nuova") }), cards + 1);
}

void TestArchive::aScanReusesItsTextsAndKeptCopiesStay()
{
    const Archive archive(path(), layouts::registry);
    archive.append({ QStringLiteral(" Anna Maria "), QStringLiteral("F"), QStringLiteral(""),
        QStringLiteral("Italiana"), QString::fromUtf8("Forlì") });
    archive.append({ QStringLiteral("Bruno"), QStringLiteral("M"), QStringLiteral(""), QStringLiteral(""),
        QStringLiteral("Roma") });
    archive.append({ QString::fromUtf8("Zoë"), QStringLiteral(""), QStringLiteral(""), QStringLiteral("Svizzera\t") });

    QStringList values;
    QString place;
    QList<QStringList> kept;
    QStringList places;
    QStringList bytes;
    bool sameAsDecodedAlone = true;
    archive.visit([&](int, const RecordView& record) {
        record.texts(values);
        kept << values;
        record.text(4, place);
        places << place;
        sameAsDecodedAlone = sameAsDecodedAlone && place == record.text(4) && values == record.texts();
        bytes << QString::fromLatin1(record.storedText(0)) + QLatin1Char('|')
                + QString::fromLatin1(record.storedText(3));
        return true;
    });
    QVERIFY(sameAsDecodedAlone);
    QCOMPARE(places, QStringList({ QString::fromUtf8("Forlì"), QStringLiteral("Roma"), QStringLiteral("") }));
    // Each record's copy keeps its own values, though the list was rewritten in place.
    QCOMPARE(kept.size(), 3);
    QCOMPARE(kept[0].mid(0, 5),
        QStringList({ QStringLiteral("Anna Maria"), QStringLiteral("F"), QStringLiteral(""), QStringLiteral("Italiana"),
            QString::fromUtf8("Forlì") }));
    QCOMPARE(kept[1].mid(0, 5),
        QStringList({ QStringLiteral("Bruno"), QStringLiteral("M"), QStringLiteral(""), QStringLiteral(""),
            QStringLiteral("Roma") }));
    QCOMPARE(kept[2].mid(0, 5),
        QStringList({ QString::fromUtf8("Zoë"), QStringLiteral(""), QStringLiteral(""), QStringLiteral("Svizzera"),
            QStringLiteral("") }));
    QCOMPARE(values.size(), test::registryRecordFields().size());
    // The stored bytes, in the code page, without the blanks at either end.
    QCOMPARE(bytes,
        QStringList(
            { QStringLiteral("Anna Maria|Italiana"), QStringLiteral("Bruno|"), QString::fromUtf8("Zoë|Svizzera") }));
}

void TestArchive::twoProgramsAppendAtOnce()
{
    constexpr int perWorker = 300;
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(ARCHIVE_WORKER_PATH),
        { QStringLiteral("append"), path(), QStringLiteral("1"), QString::number(perWorker) });
    second.start(QStringLiteral(ARCHIVE_WORKER_PATH),
        { QStringLiteral("append"), path(), QStringLiteral("2"), QString::number(perWorker) });
    for (QProcess* worker : { &first, &second }) {
        QVERIFY(worker->waitForFinished(60000));
        QVERIFY2(worker->exitStatus() == QProcess::NormalExit && worker->exitCode() == 0,
            worker->readAllStandardError().constData());
    }

    const QByteArray bytes = test::readBytes(path());
    QCOMPARE(bytes.size(), 2 * perWorker * 3847);

    int next[3] = { 0, 0, 0 };
    int turns = 0;
    int previousWorker = 0;
    for (int i = 0; i < 2 * perWorker; ++i) {
        const QByteArray record = bytes.mid(i * 3847, 3847);
        // Nome reads "w<worker>-…": the worker's id is the third byte.
        const int worker = record[2] - '0';
        QVERIFY2(worker == 1 || worker == 2, record.left(20).constData());
        // Each worker's records appear whole, in the order it appended them, none lost.
        QCOMPARE(record, test::rawRecord(test::registryRecordFields(), test::workerRecord(worker, next[worker])));
        ++next[worker];
        turns += previousWorker != 0 && previousWorker != worker;
        previousWorker = worker;
    }
    QCOMPARE(next[1], perWorker);
    QCOMPARE(next[2], perWorker);
    if (turns < 2)
        qWarning("the two workers hardly overlapped in time; the test proved less than it could");
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
