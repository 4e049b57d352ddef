#include "windows/keypads/pave03_b.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace keypads {

pave03_b::pave03_b(Target target)
    : KeypadWindow(Keypad::MoodTenseVoice, QStringLiteral("Vorante Lumivexa - Pavé 3"), target) {
    auto* frames = new QHBoxLayout;
    frames->addWidget(groupFrame(QStringLiteral("Frame2"), 0));  // mood
    frames->addWidget(groupFrame(QStringLiteral("Frame5"), 1));  // tense
    frames->addWidget(groupFrame(QStringLiteral("Frame6"), 2));  // voice
    // The opening focus on the indicative selects it.
    setFrames(frames, optionNames(7, 23) +
                          QStringList{QStringLiteral("Command1"), QStringLiteral("Command2")} +
                          optionNames(1, 3));
}

}  // namespace keypads
