// Splotchery: the program starts here. The main window is the start-up
// object; closing it ends the program.
#include "shell/Language.h"
#include "shell/MainProgram.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"

#include "assets/Pictures.h"
#include "platform/StdRandom.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtQuestions.h"
#include "platform/qt/QtSound.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // No organisation: the settings live in <config>/splotchery/splot.ini.
    QApplication::setApplicationName(QStringLiteral("splotchery"));
    QApplication::setApplicationVersion(QStringLiteral("1.24"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.splotchery.Splotchery"));
    QApplication::setWindowIcon(splot::pictures::appIcon());
    // The desktop's language, when the program has a catalogue for it; English otherwise.
    splot::useDesktopLanguage();

    splot::QtClock clock;
    splot::StdRandom random;
    splot::QtSound sound;
    splot::QtQuestions questions;

    splot::MainProgram program(clock, random, sound, questions, std::make_unique<splot::SettingsStore>());
    questions.setParent(&program.window());
    // The computer's draw offer must not hide the wall it is about.
    questions.setKeepClear([&program] { return program.window().questionClearAreas(); });
    // Closing the window ends the program at once, also in the middle of a move.
    program.window().setOnClosed([] { QCoreApplication::quit(); });
    program.start();
    return QApplication::exec();
}
