#include "storage/CheckedOutput.h"
#include "storage/SafeWrite.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;
using namespace lumidex::test;

namespace {

const QString noRoom = QStringLiteral("No space left on device");

// A device that takes at most `perCall` bytes a write and, like a disk that fills
// up, nothing past `room` bytes: it refuses, or, when `silent`, takes nothing and
// says nothing.
class NarrowDevice : public QIODevice {
public:
    NarrowDevice(qint64 perCall, qint64 room, bool silent = false)
        : m_perCall(perCall)
        , m_room(room)
        , m_silent(silent)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray written;
    int calls = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        ++calls;
        const qint64 taken = qMin(qMin(size, m_perCall), m_room - written.size());
        if (taken > 0) {
            written.append(data, taken);
            return taken;
        }
        if (m_silent)
            return 0;
        setErrorString(noRoom);
        return -1;
    }

private:
    qint64 m_perCall;
    qint64 m_room;
    bool m_silent;
};

QByteArray noise(qsizetype size, quint32 seed = 7)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Everything in the folder, links that lead nowhere and hidden files included.
QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Writes `contents` in pieces of `piece` bytes (0: all at once), as an encoder does.
safewrite::Fill inPieces(const QByteArray& contents, qsizetype piece)
{
    return [contents, piece](QIODevice& out, FailureCause&) {
        const qsizetype step = piece > 0 ? piece : qMax<qsizetype>(contents.size(), 1);
        for (qsizetype at = 0; at < contents.size(); at += step) {
            const qsizetype size = qMin(step, contents.size() - at);
            if (out.write(contents.constData() + at, size) != size)
                return false;
        }
        return true;
    };
}

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // What a file is written through.

    void outputWritesTheRestAfterShortCounts_data()
    {
        QTest::addColumn<qint64>("perCall");
        QTest::newRow("a byte a time") << qint64(1);
        QTest::newRow("seven bytes a time") << qint64(7);
        QTest::newRow("a page a time") << qint64(4096);
        QTest::newRow("all at once") << qint64(1 << 20);
    }
    void outputWritesTheRestAfterShortCounts()
    {
        QFETCH(qint64, perCall);
        const QByteArray data = noise(10000);
        NarrowDevice device(perCall, 1 << 20);
        CheckedOutput out(device);
        for (qsizetype at = 0; at < data.size(); at += 3000) {
            const qint64 size = qMin<qsizetype>(3000, data.size() - at);
            QCOMPARE(out.write(data.constData() + at, size), size);
        }
        QVERIFY(!out.failed());
        QCOMPARE(device.written, data);
    }

    void outputStopsAtTheFirstRefusal_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("silent");
        QTest::newRow("no room at all") << qint64(0) << false;
        QTest::newRow("room for part of the first write") << qint64(5) << false;
        QTest::newRow("room for the first write only") << qint64(3000) << false;
        QTest::newRow("a device that takes nothing and says nothing") << qint64(5) << true;
    }
    void outputStopsAtTheFirstRefusal()
    {
        QFETCH(qint64, room);
        QFETCH(bool, silent);
        const QByteArray data = noise(3000);
        NarrowDevice device(1000, room, silent);
        CheckedOutput out(device);
        const qint64 first = out.write(data);
        const qint64 second = out.write(data);
        QCOMPARE(room >= data.size() ? second : first, qint64(-1));
        QVERIFY(out.failed());
        if (!silent)
            QCOMPARE(out.errorString(), noRoom);
        // After the refusal the device is asked nothing more.
        const int calls = device.calls;
        QCOMPARE(out.write(data), qint64(-1));
        QCOMPARE(device.calls, calls);
        QCOMPARE(device.written, data.left(room));
    }

    // Replacing a file.

    void writesTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("previous"); // null: no file before
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qsizetype>("piece");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=6C75\r\n") << qsizetype(0);
        QTest::newRow("replaces a longer file") << noise(9000) << QByteArray("corto") << qsizetype(0);
        QTest::newRow("replaces a shorter file") << QByteArray("corto") << noise(9000) << qsizetype(0);
        QTest::newRow("empty contents") << QByteArray("qualcosa") << QByteArray("") << qsizetype(0);
        QTest::newRow("three megabytes in pieces") << noise(100) << noise(3 << 20) << qsizetype(4096);
    }
    void writesTheWholeFile()
    {
        QFETCH(QByteArray, previous);
        QFETCH(QByteArray, contents);
        QFETCH(qsizetype, piece);
        const QString target = path(QStringLiteral("unins000.dll"));
        if (!previous.isNull())
            writeBytes(target, previous);
        FailureCause cause;
        QVERIFY2(safewrite::replaceFile(target, inPieces(contents, piece), &cause), qPrintable(cause.detail()));
        QCOMPARE(readBytes(target), contents);
        // Nothing is left beside it.
        QCOMPARE(entriesOf(m_dir->path()), QStringList { QStringLiteral("unins000.dll") });
    }

    void aFailedFillKeepsTheOldFile_data()
    {
        QTest::addColumn<qsizetype>("writtenFirst");
        QTest::addColumn<QString>("why");
        QTest::newRow("before any byte") << qsizetype(0) << QStringLiteral("the drive went away");
        QTest::newRow("half way") << qsizetype(5000) << QStringLiteral("the encoder gave up");
        QTest::newRow("without a reason of its own") << qsizetype(5000) << QString();
    }
    void aFailedFillKeepsTheOldFile()
    {
        QFETCH(qsizetype, writtenFirst);
        QFETCH(QString, why);
        const QString target = path(QStringLiteral("Scheda_1.jpg"));
        const QByteArray previous = noise(8000);
        writeBytes(target, previous);
        FailureCause cause;
        const bool written = safewrite::replaceFile(
            target,
            [&](QIODevice& out, FailureCause& failure) {
                out.write(noise(writtenFirst, 9));
                if (!why.isEmpty())
                    failure = FailureCause::fromSystem(0, why);
                return false;
            },
            &cause);
        QVERIFY(!written);
        QVERIFY(!cause.detail().isEmpty());
        if (!why.isEmpty())
            QCOMPARE(cause.detail(), why);
        QCOMPARE(readBytes(target), previous);
        QCOMPARE(entriesOf(m_dir->path()), QStringList { QStringLiteral("Scheda_1.jpg") });
    }

    void aMissingFolderIsAFailure()
    {
        FailureCause cause;
        QVERIFY(!safewrite::replaceFile(path(QStringLiteral("Anagrafica/Scheda_1.jpg")), "jpeg", &cause));
        QCOMPARE(cause.words(), QStringLiteral("File o cartella inesistente."));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("Anagrafica"))));
    }

    void aFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<DiskFault>("fault");
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<qsizetype>("piece");
        const QList<std::pair<qsizetype, qsizetype>> writes { { 100, 0 }, { 8192, 0 }, { 200000, 0 }, { 8192, 100 } };
        for (const DiskFault fault : allDiskFaults())
            for (const auto& [size, piece] : writes)
                QTest::addRow(
                    "%s, %lld bytes %s", diskFaultName(fault), qlonglong(size), piece ? "in pieces of 100" : "at once")
                    << fault << size << piece;
    }
    void aFullDiskKeepsTheOldFile()
    {
        QFETCH(DiskFault, fault);
        QFETCH(qsizetype, size);
        QFETCH(qsizetype, piece);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        const QString target = disk.path() + QStringLiteral("/unins000.dll");
        const QByteArray previous = noise(8192, 1);
        writeBytes(target, previous);
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

        const QByteArray contents = noise(size, 2);
        FailureCause cause;
        const bool written = safewrite::replaceFile(target, inPieces(contents, piece), &cause);
        disk.lift();
        // What fits in the one page left is written whole: no failure is made up either.
        if (fault == DiskFault::OnePageLeft && size <= 4096) {
            QVERIFY2(written, qPrintable(cause.detail()));
            QCOMPARE(readBytes(target), contents);
        } else {
            QVERIFY(!written);
            QCOMPARE(cause.detail(), diskFaultReason(fault));
            QCOMPARE(cause.words(), diskFaultWords(fault));
            QCOMPARE(readBytes(target), previous);
        }
        QCOMPARE(entriesOf(disk.path()), QStringList { QStringLiteral("unins000.dll") });
    }

    // Symbolic links.

    void replacesALinkItself_data()
    {
        QTest::addColumn<QString>("leadsTo");
        QTest::newRow("to a file in the folder") << "folder";
        QTest::newRow("to a file outside the folder") << "outside";
        QTest::newRow("to nothing") << "nothing";
        QTest::newRow("to a folder") << "a folder";
        QTest::newRow("to a link to a file outside") << "chain";
    }
    void replacesALinkItself()
    {
        QFETCH(QString, leadsTo);
        QTemporaryDir elsewhere;
        const QString folder = path(QStringLiteral("Lumidex"));
        QVERIFY(QDir().mkpath(folder));
        const QString link = folder + QStringLiteral("/Foto.jpg");
        const QByteArray kept("il file a cui porta il collegamento");
        QString target = elsewhere.filePath(QStringLiteral("fuori.jpg"));
        QStringList expected { QStringLiteral("Foto.jpg") };
        if (leadsTo == QStringLiteral("folder")) {
            target = folder + QStringLiteral("/vera.jpg");
            expected << QStringLiteral("vera.jpg");
        }
        if (leadsTo == QStringLiteral("a folder"))
            QVERIFY(QDir().mkpath(target));
        else if (leadsTo != QStringLiteral("nothing"))
            writeBytes(target, kept);
        if (leadsTo == QStringLiteral("chain")) {
            const QString middle = elsewhere.filePath(QStringLiteral("anello.jpg"));
            QVERIFY(QFile::link(target, middle));
            target = middle;
        }
        QVERIFY(QFile::link(target, link));

        const QByteArray contents = noise(5000);
        FailureCause cause;
        QVERIFY2(safewrite::replaceFile(link, contents, &cause), qPrintable(cause.detail()));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(link), contents);
        if (leadsTo == QStringLiteral("nothing"))
            QVERIFY(!QFileInfo::exists(target));
        else if (leadsTo == QStringLiteral("a folder"))
            QVERIFY(QFileInfo(target).isDir());
        else
            QCOMPARE(readBytes(target), kept);
        QCOMPARE(entriesOf(folder), expected);
    }

    void aFailedWriteKeepsTheLink_data() { addDiskFaultRows(); }
    void aFailedWriteKeepsTheLink()
    {
        QFETCH(DiskFault, fault);
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        const QString target = path(QStringLiteral("fuori.jpg"));
        const QByteArray kept = noise(300);
        writeBytes(target, kept);
        const QString link = disk.path() + QStringLiteral("/Foto.jpg");
        QVERIFY(QFile::link(target, link));
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

        FailureCause cause;
        const bool written = safewrite::replaceFile(link, noise(8192, 5), &cause);
        disk.lift();
        QVERIFY(!written);
        QCOMPARE(cause.detail(), diskFaultReason(fault));
        QCOMPARE(cause.words(), diskFaultWords(fault));
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(readBytes(target), kept);
        QCOMPARE(entriesOf(disk.path()), QStringList { QStringLiteral("Foto.jpg") });
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
