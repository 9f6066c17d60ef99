#include "support/PdfReadBack.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace lumidex::test {

namespace {

QByteArray run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

bool canReadPdf()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QList<PdfWord> pdfWords(const QString& pdfPath)
{
    const QByteArray html = run(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-") });
    QList<PdfWord> words;
    QXmlStreamReader reader(html);
    int page = -1;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("page")) {
            ++page;
        } else if (reader.name() == QLatin1String("word")) {
            const QXmlStreamAttributes a = reader.attributes();
            const QPointF topLeft(a.value(QLatin1String("xMin")).toDouble(), a.value(QLatin1String("yMin")).toDouble());
            const QPointF bottomRight(
                a.value(QLatin1String("xMax")).toDouble(), a.value(QLatin1String("yMax")).toDouble());
            words << PdfWord { page, reader.readElementText(), QRectF(topLeft, bottomRight) };
        }
    }
    // Reading order: line by line down each page, left to right along a line
    // (poppler would read the summary's columns one after the other).
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        const auto line = [](const PdfWord& w) { return std::lround(w.box.top() * 2); };
        if (a.page != b.page)
            return a.page < b.page;
        if (line(a) != line(b))
            return line(a) < line(b);
        return a.box.left() < b.box.left();
    });
    return words;
}

QList<QSizeF> pdfPageSizes(const QString& pdfPath)
{
    const QByteArray html = run(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-") });
    QList<QSizeF> sizes;
    QXmlStreamReader reader(html);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("page")) {
            const QXmlStreamAttributes a = reader.attributes();
            sizes << QSizeF(a.value(QLatin1String("width")).toDouble(), a.value(QLatin1String("height")).toDouble());
        }
    }
    return sizes;
}

QList<PdfImage> pdfImages(const QString& pdfPath)
{
    // "page num type width height color ..." under two heading lines; masks that
    // go with a picture are not pictures of their own.
    const QList<QByteArray> lines = run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), pdfPath }).split('\n');
    QList<PdfImage> images;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> columns = lines.at(i).simplified().split(' ');
        if (columns.size() > 4 && columns.at(2) == "image")
            images << PdfImage { columns.at(0).toInt() - 1, QSize(columns.at(3).toInt(), columns.at(4).toInt()) };
    }
    return images;
}

QString pdfPageText(const QList<PdfWord>& words, int page)
{
    QStringList texts;
    for (const PdfWord& word : words)
        if (word.page == page)
            texts << word.text;
    return texts.join(QLatin1Char(' '));
}

PdfWord findWord(const QList<PdfWord>& words, const QString& text, int page)
{
    for (const PdfWord& word : words)
        if (word.text == text && (page < 0 || word.page == page))
            return word;
    return {};
}

QImage pdfPageImage(const QString& pdfPath, int page, int dpi, const QRect& crop)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page + 1);
    QStringList arguments { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number,
        QStringLiteral("-l"), number, QStringLiteral("-singlefile"), QStringLiteral("-png") };
    if (!crop.isEmpty())
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W") << QString::number(crop.width())
                  << QStringLiteral("-H") << QString::number(crop.height());
    run(QStringLiteral("pdftoppm"), arguments << pdfPath << prefix);
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace lumidex::test
