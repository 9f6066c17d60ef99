#include "app/Application.h"

#include "app/WindowSet.h"
#include "common/Formatting.h"
#include "storage/PhotoFiles.h"
#include "texts/CommonTexts.h"
#include "ui/UnexpectedError.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

namespace lumidex {

LumidexApplication::LumidexApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{ }

bool LumidexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUnexpectedError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportUnexpectedError(commontext::unknownError());
    }
    return false;
}

void installItalianTranslations(QCoreApplication& app)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : { "qtbase_it", "qt_it" }) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), dir))
            app.installTranslator(translator);
        else
            delete translator;
    }
}

void prepareApplication(LumidexApplication& app)
{
    app.setApplicationName(commontext::programName());
    // The desktop entry the menu installs is lumidex.desktop: Wayland desktops
    // match the running windows to it, and so to the program's icon.
    app.setDesktopFileName(QStringLiteral("lumidex"));
    app.setQuitOnLastWindowClosed(false);
    installItalianTranslations(app);
    applyFormatSettings();
}

int runApplication(int argc, char* argv[])
{
    // Plain software drawing: the program draws gradients and pictures only.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    // Before any thread decodes a picture.
    photofiles::allowLargePictures();
    LumidexApplication app(argc, argv);
    prepareApplication(app);

    // The login window first; the other screens are built once it is on screen.
    WindowSet windows(QCoreApplication::applicationDirPath());
    windows.start();
    return app.exec();
}

} // namespace lumidex
