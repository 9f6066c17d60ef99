#include "attachments/AttachmentFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace lumidex;
using namespace lumidex::attachments;

namespace {

// Gives `good` bytes of `data`, then fails as a disk or network drive would.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 good)
        : m_data(std::move(data))
        , m_good(good)
    { }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        if (m_at >= m_good) {
            setErrorString(QStringLiteral("the drive went away"));
            return -1;
        }
        const qint64 n = qMin(max, m_good - m_at);
        memcpy(out, m_data.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_good;
    qint64 m_at = 0;
};

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestAttachmentFiles : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void nameTheCardCanKeep_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("storable");
        QTest::newRow("plain") << "Contratto 2024.pdf" << true;
        QTest::newRow("blanks around") << "  liberatoria.doc\t" << true;
        QTest::newRow("accents and euro sign") << QString::fromUtf8("perché è così €.txt") << true;
        QTest::newRow("question mark of its own") << "domanda?.txt" << true;
        QTest::newRow("250 characters") << QString(246, QLatin1Char('a')) + QStringLiteral(".pdf") << true;
        QTest::newRow("250 characters and blanks")
            << QStringLiteral(" ") + QString(246, QLatin1Char('a')) + QStringLiteral(".pdf  ") << true;
        QTest::newRow("251 characters") << QString(247, QLatin1Char('a')) + QStringLiteral(".pdf") << false;
        QTest::newRow("Cyrillic") << QString::fromUtf8("договор.pdf") << false;
        QTest::newRow("Japanese") << QString::fromUtf8("契約.pdf") << false;
        QTest::newRow("emoji") << QString::fromUtf8("foto 📷.jpg") << false;
        QTest::newRow("blanks only") << "   " << false;
        // Read back from the card, these would lead out of the attachments folder.
        QTest::newRow("slash") << "a/b.txt" << false;
        QTest::newRow("backslash, a plain character to this system") << "a\\b.txt" << false;
        QTest::newRow("parent folder") << ".." << false;
    }

    void nameTheCardCanKeep()
    {
        QFETCH(QString, name);
        QFETCH(bool, storable);
        QCOMPARE(canStoreName(name), storable);
    }

    void attachedFileIsInTheSharedFolder()
    {
        QCOMPARE(attachedFilePath(QStringLiteral("/prog"), QStringLiteral("  Contratto.pdf ")),
            QStringLiteral("/prog/Documenti_Allegati/Contratto.pdf"));
        QCOMPARE(attachedFilePath(QStringLiteral("/prog/"), QStringLiteral("a b.txt")),
            QStringLiteral("/prog/Documenti_Allegati/a b.txt"));
        // Nothing for a blank name.
        QCOMPARE(attachedFilePath(QStringLiteral("/prog"), QStringLiteral(" \t")), QString());
    }

    void sameFile_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("same");
        QTest::newRow("same path") << "a/doc.txt" << true;
        QTest::newRow("another way to it") << "a/../a/./doc.txt" << true;
        QTest::newRow("symbolic link") << "link.txt" << true;
        QTest::newRow("hard link") << "hard.txt" << true;
        QTest::newRow("a copy") << "copy.txt" << false;
        QTest::newRow("missing") << "none.txt" << false;
    }

    void sameFile()
    {
        QFETCH(QString, other);
        QFETCH(bool, same);
        write(path(QStringLiteral("a/doc.txt")), "contenuto");
        write(path(QStringLiteral("copy.txt")), "contenuto");
        QVERIFY(QFile::link(path(QStringLiteral("a/doc.txt")), path(QStringLiteral("link.txt"))));
        QCOMPARE(::link(QFile::encodeName(path(QStringLiteral("a/doc.txt"))).constData(),
                     QFile::encodeName(path(QStringLiteral("hard.txt"))).constData()),
            0);
        QCOMPARE(isSameFile(path(QStringLiteral("a/doc.txt")), path(other)), same);
    }

    void copyPutsEveryByteInPlace_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("new file") << false;
        QTest::newRow("replacing a file") << true;
    }

    void copyPutsEveryByteInPlace()
    {
        QFETCH(bool, oldFile);
        // Larger than one chunk of the copy, and not a multiple of it.
        const QByteArray bytes = randomBytes(3 * 1024 * 1024 + 17);
        write(path(QStringLiteral("origine.bin")), bytes);
        if (oldFile)
            write(path(QStringLiteral("cartella/copia.bin")), "older and shorter");
        QDir().mkpath(path(QStringLiteral("cartella")));
        FailureCause cause;
        QVERIFY2(copyReplacing(path(QStringLiteral("origine.bin")), path(QStringLiteral("cartella/copia.bin")), &cause),
            qPrintable(cause.detail()));
        QCOMPARE(readAll(path(QStringLiteral("cartella/copia.bin"))), bytes);
        QCOMPARE(QDir(path(QStringLiteral("cartella"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("copia.bin") });
    }

    // A copy that stops half-way leaves the old file whole, or no file at all.
    void copyThatFailsOnTheWayLeavesTheOldFile_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("replacing a file") << true;
        QTest::newRow("new file") << false;
    }

    void copyThatFailsOnTheWayLeavesTheOldFile()
    {
        QFETCH(bool, oldFile);
        QDir().mkpath(path(QStringLiteral("cartella")));
        if (oldFile)
            write(path(QStringLiteral("cartella/copia.bin")), "the attachment every card relies on");
        FailingDevice source(randomBytes(4 * 1024 * 1024), 1536 * 1024);
        QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        FailureCause cause;
        QVERIFY(!copyReplacing(source, path(QStringLiteral("cartella/copia.bin")), &cause));
        QCOMPARE(cause.detail(), QStringLiteral("the drive went away"));
        const QStringList left = QDir(path(QStringLiteral("cartella"))).entryList(QDir::Files | QDir::Hidden);
        if (oldFile) {
            QCOMPARE(
                readAll(path(QStringLiteral("cartella/copia.bin"))), QByteArray("the attachment every card relies on"));
            QCOMPARE(left, QStringList { QStringLiteral("copia.bin") });
        } else {
            QVERIFY(left.isEmpty());
        }
    }

    // The copy tells how far it is before its first piece and after each one.
    void copyStepsFollowTheBytes()
    {
        const QByteArray bytes = randomBytes(3 * 1024 * 1024 + 17);
        write(path(QStringLiteral("origine.bin")), bytes);
        QList<qint64> steps;
        QVERIFY(copyReplacing(
            path(QStringLiteral("origine.bin")), path(QStringLiteral("copia.bin")), nullptr, [&](qint64 copied) {
                steps << copied;
                return true;
            }));
        QCOMPARE(steps, (QList<qint64> { 0, 1 << 20, 2 << 20, 3 << 20, bytes.size() }));
        QCOMPARE(readAll(path(QStringLiteral("copia.bin"))), bytes);
    }

    // Stopped at any step, before the first byte or after the last, the copy
    // leaves the folder as it was: the old file whole or no file, nothing beside.
    void stoppedAttachLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<int>("stopAt");
        for (const bool oldFile : { false, true }) {
            const char* file = oldFile ? "replacing a file" : "new file";
            QTest::addRow("%s, before the first byte", file) << oldFile << 1;
            QTest::addRow("%s, half-way", file) << oldFile << 3;
            QTest::addRow("%s, after the last byte", file) << oldFile << 5;
        }
    }
    void stoppedAttachLeavesTheFolderAsItWas()
    {
        QFETCH(bool, oldFile);
        QFETCH(int, stopAt);
        const QString program = path(QStringLiteral("Programma"));
        const QString folder = program + QStringLiteral("/Documenti_Allegati");
        write(path(QStringLiteral("scelti/Video.mov")), randomBytes(4 * 1024 * 1024));
        const QByteArray previous = "the attachment every card relies on";
        if (oldFile)
            write(folder + QStringLiteral("/Video.mov"), previous);
        int steps = 0;
        const AttachOutcome result = attachFile(
            program, path(QStringLiteral("scelti/Video.mov")), [] { return true; },
            [&](qint64) { return ++steps < stopAt; });
        QCOMPARE(result, AttachOutcome::Cancelled);
        QCOMPARE(steps, stopAt);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            oldFile ? QStringList { QStringLiteral("Video.mov") } : QStringList());
        if (oldFile)
            QCOMPARE(readAll(folder + QStringLiteral("/Video.mov")), previous);
    }

    void copyFailures_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::newRow("source missing") << "manca.bin"
                                        << "cartella/copia.bin";
        QTest::newRow("source is a folder") << "cartella"
                                            << "cartella/copia.bin";
        QTest::newRow("destination is a folder") << "origine.bin"
                                                 << "cartella/occupato";
        QTest::newRow("destination's folder missing") << "origine.bin"
                                                      << "manca/copia.bin";
    }

    void copyFailures()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        write(path(QStringLiteral("origine.bin")), "dati");
        QVERIFY(QDir().mkpath(path(QStringLiteral("cartella/occupato"))));
        FailureCause cause;
        QVERIFY(!copyReplacing(path(source), path(destination), &cause));
        QVERIFY2(cause.isKnown(), qPrintable(cause.detail()));
        QVERIFY(QFileInfo(path(QStringLiteral("cartella/occupato"))).isDir());
        QCOMPARE(
            QDir(path(QStringLiteral("cartella"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList { QStringLiteral("occupato") });
    }

    void attach_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("answer"); // -1: never asked, 0: No, 1: Yes
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("inFolder");

        const auto copied = int(AttachOutcome::Copied);
        const auto kept = int(AttachOutcome::KeptExisting);
        const auto failed = int(AttachOutcome::Failed);
        QTest::newRow("new file, folder made") << "new" << -1 << copied << QByteArray("nuovo");
        QTest::newRow("same name, replaced") << "existing" << 1 << copied << QByteArray("nuovo");
        QTest::newRow("same name, kept") << "existing" << 0 << kept << QByteArray("vecchio");
        QTest::newRow("the folder's own file, Yes") << "own" << 1 << kept << QByteArray("vecchio");
        QTest::newRow("the folder's own file, No") << "own" << 0 << kept << QByteArray("vecchio");
        QTest::newRow("the folder's own file through a link") << "link" << 1 << kept << QByteArray("vecchio");
        // A link of the chosen name in the folder is replaced itself, never written through.
        QTest::newRow("a link to a file outside, Yes") << "link out" << 1 << copied << QByteArray("nuovo");
        QTest::newRow("a link to a file outside, No") << "link out" << 0 << kept << QByteArray("lontano");
        QTest::newRow("a link to the chosen file") << "link to chosen" << 1 << copied << QByteArray("nuovo");
        QTest::newRow("a link that leads nowhere, Yes") << "dangling" << 1 << copied << QByteArray("nuovo");
        QTest::newRow("a link that leads nowhere, No") << "dangling" << 0 << kept << QByteArray();
        QTest::newRow("folder is a file") << "blocked" << -1 << failed << QByteArray();
        QTest::newRow("chosen file gone") << "gone" << -1 << failed << QByteArray();
    }

    void attach()
    {
        QFETCH(QString, scenario);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QByteArray, inFolder);

        const QString program = path(QStringLiteral("Programma"));
        QVERIFY(QDir().mkpath(program));
        const QString folder = program + QStringLiteral("/Documenti_Allegati");
        QString source = path(QStringLiteral("scelti/Documento.txt"));
        write(source, "nuovo");
        if (scenario == QStringLiteral("existing") || scenario == QStringLiteral("own")
            || scenario == QStringLiteral("link"))
            write(folder + QStringLiteral("/Documento.txt"), "vecchio");
        if (scenario == QStringLiteral("own"))
            source = folder + QStringLiteral("/Documento.txt");
        if (scenario == QStringLiteral("link")) {
            QVERIFY(QFile::remove(source));
            QVERIFY(QFile::link(folder + QStringLiteral("/Documento.txt"), source));
        }
        const QString outside = path(QStringLiteral("fuori/Documento.txt"));
        const bool linked = scenario == QStringLiteral("link out") || scenario == QStringLiteral("link to chosen")
            || scenario == QStringLiteral("dangling");
        if (linked) {
            QVERIFY(QDir().mkpath(folder));
            if (scenario == QStringLiteral("link out"))
                write(outside, "lontano");
            QVERIFY(QFile::link(scenario == QStringLiteral("link to chosen") ? source : outside,
                folder + QStringLiteral("/Documento.txt")));
        }
        if (scenario == QStringLiteral("blocked"))
            write(folder, "a file where the folder should be");
        if (scenario == QStringLiteral("gone"))
            QVERIFY(QFile::remove(source));

        int asked = 0;
        const AttachOutcome result = attachFile(program, source, [&] {
            ++asked;
            return answer == 1;
        });
        QCOMPARE(int(result), outcome);
        QCOMPARE(asked, answer < 0 ? 0 : 1);
        if (scenario == QStringLiteral("blocked"))
            QCOMPARE(readAll(folder), QByteArray("a file where the folder should be"));
        else
            QCOMPARE(readAll(folder + QStringLiteral("/Documento.txt")), inFolder);
        if (QFileInfo(folder).isDir()) {
            const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            QCOMPARE(left, inFolder.isNull() ? QStringList() : QStringList { QStringLiteral("Documento.txt") });
        }
        if (linked) {
            QCOMPARE(QFileInfo(folder + QStringLiteral("/Documento.txt")).isSymLink(),
                result == AttachOutcome::KeptExisting);
            QCOMPARE(readAll(source), QByteArray("nuovo"));
            QCOMPARE(readAll(outside), scenario == QStringLiteral("link out") ? QByteArray("lontano") : QByteArray());
        }
    }

    // The card keeps the trimmed name, so the copy carries it too.
    void attachedUnderTheTrimmedName()
    {
        const QString source = path(QStringLiteral(" Nota spese.txt "));
        write(source, "importi");
        QCOMPARE(attachFile(m_dir->path(), source, [] { return true; }), AttachOutcome::Copied);
        QCOMPARE(readAll(path(QStringLiteral("Documenti_Allegati/Nota spese.txt"))), QByteArray("importi"));
    }

private:
    QString path(const QString& relative) const { return m_dir->filePath(relative); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestAttachmentFiles)
#include "tst_attachmentfiles.moc"
