#include "core/cli/analyser.h"
#include "core/cli/commandline.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "ui/forms.h"
#include "ui/mnemonics.h"
#include "ui/platform.h"
#include "ui/translations.h"
#include "windows/shell/startup.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv) {
    // Help, version and mistakes are answered before anything needs a display.
    const app::CommandLine command = app::parseCommandLine(app::argumentsOf(argc, argv));
    if (command.action == app::CommandLine::Action::Analyse) {
        // No window, no display: the data folders need only the core application.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("morphologique"));
        return app::runAnalyser(command);
    }
    if (command.action != app::CommandLine::Action::Run) {
        return app::printAnswer(command);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morphologique"));
    // Ties the windows to the desktop entry (icon and name in task bars).
    QApplication::setDesktopFileName(QStringLiteral("morphologique"));
    QApplication::setWindowIcon(app::programIcon());
    // The main window ends the program itself; the splash closing must not.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFrenchTranslations(application);
    ui::MnemonicCycler::install();

    records::reportFileSizeLimitAsWriteError();
    const records::Outcome<void> seeded = records::paths::seedDataFiles();
    if (!seeded.ok()) {
        ui::msgBox(nullptr, seeded.error(), ui::Buttons::Ok, ui::Icon::Information);
    }

    app::showSplash(command.textPath);
    return QApplication::exec();
}
