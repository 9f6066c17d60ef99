#include "shell/help/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;

class TestManualWriter : public QObject {
    Q_OBJECT

private slots:
    void writesManual();
};

void TestManualWriter::writesManual()
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Lumidex/Guida.pdf"));

    QProcess writer;
    writer.start(QStringLiteral(LUMIDEX_MANUAL_WRITER), { path });
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 0);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // A title page, then every help page from a sheet of its own.
    const QString objects = QString::fromLatin1(pdf);
    QRegularExpressionMatchIterator page
        = QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")).globalMatch(objects);
    qsizetype pages = 0;
    for (; page.hasNext(); page.next())
        ++pages;
    QVERIFY2(pages >= 1 + help::allPages().size(), qPrintable(QString::number(pages)));
}

QTEST_GUILESS_MAIN(TestManualWriter)
#include "tst_ManualWriter.moc"
