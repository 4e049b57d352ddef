#include "windows/keypads/pave03_a.h"

#include "ui/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace keypads {
namespace {

enum GroupIndex { kCase, kGender, kPerson, kNumber };

}  // namespace

pave03_a::pave03_a(Target target)
    : KeypadWindow(Keypad::CaseGenderNumber, QStringLiteral("Vorante Lumivexa - Pavé 3"), target) {
    Frame1 = groupFrame(QStringLiteral("Frame1"), kCase);
    Frame3 = groupFrame(QStringLiteral("Frame3"), kGender);
    buildPersonAndNumber();
    auto* frames = new QHBoxLayout;
    for (QGroupBox* f : {Frame1, Frame3, Frame4}) {
        frames->addWidget(f);
    }
    // The opening focus on the nominative selects it.
    setFrames(frames, optionNames(1, 6) + optionNames(24, 28) +
                          QStringList{QStringLiteral("Command1"), QStringLiteral("Command2")} +
                          optionNames(7, 13));
}

void pave03_a::buildPersonAndNumber() {
    Frame4 = frame(QStringLiteral("Frame4"), QStringLiteral("Personne && Nombre"),
                   QStringLiteral("Personne & Nombre"), this);
    Frame2 = groupFrame(QStringLiteral("Frame2"), kPerson);
    Line1 = ui::named(new QFrame(Frame4), QStringLiteral("Line1"), QString());
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    auto* numbers = new QWidget(Frame4);
    addGroupRows(rowGrid(numbers), kNumber);

    auto* layout = new QVBoxLayout(Frame4);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Frame2);
    layout->addWidget(Line1);
    layout->addWidget(numbers);
    layout->addStretch(1);
}

}  // namespace keypads
