// A restore holds every archive at once while it puts new files in their
// place; programs that waited meanwhile then work on the new files. A backup
// reads an archive whole, as it lies, under the hold of a reader.
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/ArchiveHold.h"
#include "storage/Layouts.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace lumidex;
using namespace lumidex::test;

class TestArchiveHold : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString archivePath(const QString& name) const { return m_dir->filePath(name); }
    void writeCards(const QString& path, const QStringList& names) const
    {
        const Archive archive(path, layouts::registry);
        for (const QString& name : names)
            archive.append({ name });
    }
    // The worker's exit code after it tried to save `name` as card 1 of `path`,
    // waiting for the archive at most `waitMs`.
    static int saveElsewhere(const QString& path, const QString& name, int waitMs)
    {
        QProcess worker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ARCHIVE_WORKER_LOCK_TIMEOUT_MS"), QString::number(waitMs));
        worker.setProcessEnvironment(environment);
        worker.start(QStringLiteral(ARCHIVE_WORKER_PATH), { QStringLiteral("write"), path, QStringLiteral("1"), name });
        worker.waitForFinished(30000);
        return worker.exitCode();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // Whole cards, then the part an append cut short left, byte for byte; the
    // length first.
    void readAsItLies()
    {
        const QString path = archivePath(QStringLiteral("Archivio_Anagrafico.pro"));
        QStringList names;
        for (int card = 1; card <= 150; ++card)
            names << QStringLiteral("Modella %1").arg(card);
        writeCards(path, names);
        QByteArray file = readBytes(path);
        file += QByteArray(700, 'p');
        writeBytes(path, file);
        QByteArray read;
        qint64 told = -1;
        int parts = 0;
        bool sameLength = true;
        Archive(path, layouts::registry).readAsItLies([&](QByteArrayView bytes, qint64 size) {
            if (parts++ == 0)
                told = size;
            sameLength = sameLength && size == told;
            read.append(bytes);
            return true;
        });
        QVERIFY(sameLength);
        QCOMPARE(told, file.size());
        QCOMPARE(read, file);
        QVERIFY(parts > 2);
    }

    // While held, nobody else saves into either archive; once let go, they do.
    void holdKeepsEveryoneOut()
    {
        const QString registry = archivePath(QStringLiteral("Archivio_Anagrafico.pro"));
        const QString book = archivePath(QStringLiteral("Estate.wmn"));
        writeCards(registry, { QStringLiteral("Anna") });
        writeCards(book, { QStringLiteral("Spiaggia") });
        {
            const ArchiveHold hold({ { registry, registryRecordSize }, { book, bookRecordSize } }, 1000);
            QCOMPARE(saveElsewhere(registry, QStringLiteral("Bice"), 200), 1);
            QCOMPARE(saveElsewhere(book, QStringLiteral("Bice"), 200), 1);
        }
        QCOMPARE(saveElsewhere(registry, QStringLiteral("Bice"), 200), 0);
        QCOMPARE(Archive(registry, layouts::registry).read(1).value(0), QStringLiteral("Bice"));
    }

    // One archive another program keeps: the hold fails naming it, and lets go
    // of those it had taken.
    void holdFailsNamingTheArchive()
    {
        const QString registry = archivePath(QStringLiteral("Archivio_Anagrafico.pro"));
        const QString book = archivePath(QStringLiteral("Estate.wmn"));
        writeCards(registry, { QStringLiteral("Anna") });
        writeCards(book, { QStringLiteral("Spiaggia") });
        QProcess holder;
        holder.start(QStringLiteral(ARCHIVE_WORKER_PATH), { QStringLiteral("hold"), book, QStringLiteral("1500") });
        QVERIFY(holder.waitForReadyRead(10000));
        QString reason;
        try {
            const ArchiveHold hold({ { registry, registryRecordSize }, { book, bookRecordSize } }, 200);
        } catch (const ArchiveError& error) {
            reason = error.reason();
        }
        QVERIFY2(reason.contains(book), qPrintable(reason));
        QCOMPARE(saveElsewhere(registry, QStringLiteral("Bice"), 200), 0);
        holder.waitForFinished();
    }

    // A save that waited while the archive's file was replaced goes into the
    // new file, not into the old one moved aside.
    void aWaitingSaveGoesIntoTheNewFile()
    {
        const QString registry = archivePath(QStringLiteral("Archivio_Anagrafico.pro"));
        const QString aside = archivePath(QStringLiteral("prima.pro"));
        const QString replacement = archivePath(QStringLiteral("nuovo.pro"));
        writeCards(registry, { QStringLiteral("Vecchia") });
        writeCards(replacement, { QStringLiteral("Ripristinata"), QStringLiteral("Seconda") });
        QProcess worker;
        {
            const ArchiveHold hold({ { registry, registryRecordSize } }, 1000);
            worker.start(QStringLiteral(ARCHIVE_WORKER_PATH),
                { QStringLiteral("write"), registry, QStringLiteral("1"), QStringLiteral("Salvata") });
            QVERIFY(worker.waitForStarted());
            // The worker is waiting for the archive by now.
            QTest::qWait(400);
            QVERIFY(::link(QFile::encodeName(registry).constData(), QFile::encodeName(aside).constData()) == 0);
            QVERIFY(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(registry).constData()) == 0);
        }
        QVERIFY(worker.waitForFinished(10000));
        QCOMPARE(worker.exitCode(), 0);
        QCOMPARE(Archive(registry, layouts::registry).readAll().size(), 2);
        QCOMPARE(Archive(registry, layouts::registry).read(1).value(0), QStringLiteral("Salvata"));
        QCOMPARE(Archive(aside, layouts::registry).read(1).value(0), QStringLiteral("Vecchia"));
    }
};

QTEST_GUILESS_MAIN(TestArchiveHold)
#include "tst_archivehold.moc"
