#include "about/frmSplash.h"
#include "records/paths.h"
#include "records/recordfile.h"
#include "ui/forms.h"
#include "ui/mnemonics.h"
#include "ui/platform.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morphologique"));
    // The main window ends the program itself; the splash closing must not.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFrenchTranslations(app);
    ui::MnemonicCycler::install();

    records::reportFileSizeLimitAsWriteError();
    const QString seedingFailure = records::paths::seedDataFiles();
    if (!seedingFailure.isEmpty()) {
        ui::msgBox(nullptr, seedingFailure, ui::Buttons::Ok, ui::Icon::Information);
    }

    ui::Forms::showModeless(ui::Forms::instance().load<about::frmSplash>());
    return QApplication::exec();
}
