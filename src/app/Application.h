#pragma once

#include <QApplication>

namespace lumidex {

// The application object. An error that no window handled ends here, in a
// message with the error's own text, and the program carries on.
class LumidexApplication : public QApplication {
public:
    LumidexApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Qt's own Italian translations, so that standard buttons read "Sì", "No", "OK"
// and "Annulla". Must run before the first widget exists.
void installItalianTranslations(QCoreApplication& app);

// What the program sets on its application object before the first window:
// name, no end when the last window closes, Italian translations, formats.
void prepareApplication(LumidexApplication& app);

// main(): the whole program for the folder of the running executable.
int runApplication(int argc, char* argv[]);

} // namespace lumidex
