// Writes the manual "Guida.pdf": a title page and every help page, on A4.
// Runs at build time, where there may be no display.

#include "ManualWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Fonts and PDF output need a platform, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: lumidex_manual_writer <output pdf>\n");
        return 2;
    }
    const QString path = arguments.at(1);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!lumidex::ManualWriter().write(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return 1;
    }
    return 0;
}
