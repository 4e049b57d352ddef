#include "windows/keypads/pave02_a.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace keypads {

pave02_a::pave02_a(Target target)
    : KeypadWindow(Keypad::Category, QStringLiteral("Vorante Lumivexa - Pavé 2"), target) {
    auto* frames = new QHBoxLayout;
    frames->addWidget(groupFrame(QStringLiteral("Frame1"), 0));
    // No row is selected at opening: the focus starts on "Annuler".
    setFrames(frames, QStringList{QStringLiteral("Command2"), QStringLiteral("Command1")} +
                          optionNames(1, 23));
}

}  // namespace keypads
