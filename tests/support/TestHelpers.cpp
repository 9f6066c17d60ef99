#include "support/TestHelpers.h"

#include "support/CauseWords.h"

#include "common/FitToFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace lumidex::test {

void closeModalLeftovers()
{
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

QString archiveAccessText()
{
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
        "privilegi di scrittura nella cartella di installazione del programma.");
}

QString archiveAccessText(const QString& cause)
{
    return causewords::withCause(archiveAccessText(), cause);
}

void paste(QLineEdit* field, const QString& text)
{
    QApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void addSideRows()
{
    QTest::addColumn<bool>("men");
    QTest::newRow("men") << true;
    QTest::newRow("women") << false;
}

QImage labelPicture(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage fittedRender(const QImage& picture, const QSize& frame)
{
    const QSize size = fitInto(picture.size(), frame).expandedTo(QSize(1, 1));
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace lumidex::test
