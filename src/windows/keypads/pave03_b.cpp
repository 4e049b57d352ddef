#include "windows/keypads/pave03_b.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace keypads {

pave03_b::pave03_b(Target target)
    : KeypadWindow(Keypad::MoodTenseVoice, QStringLiteral("Vorante Lumivexa - Pavé 3"), target) {
    Frame2 = groupFrame(QStringLiteral("Frame2"), 0);
    Frame5 = groupFrame(QStringLiteral("Frame5"), 1);
    Frame6 = groupFrame(QStringLiteral("Frame6"), 2);
    auto* frames = new QHBoxLayout;
    for (QGroupBox* f : {Frame2, Frame5, Frame6}) {
        frames->addWidget(f);
    }
    // The opening focus on the indicative selects it.
    setFrames(frames, optionNames(7, 23) +
                          QStringList{QStringLiteral("Command1"), QStringLiteral("Command2")} +
                          optionNames(1, 3));
}

}  // namespace keypads
