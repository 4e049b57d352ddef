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
    auto* frames = new QHBoxLayout;
    frames->addWidget(groupFrame(QStringLiteral("Frame1"), kCase));
    frames->addWidget(groupFrame(QStringLiteral("Frame3"), kGender));
    frames->addWidget(personAndNumberFrame());
    // The opening focus on the nominative selects it.
    setFrames(frames, optionNames(1, 6) + optionNames(24, 28) +
                          QStringList{QStringLiteral("Command1"), QStringLiteral("Command2")} +
                          optionNames(7, 13));
}

QGroupBox* pave03_a::personAndNumberFrame() {
    QGroupBox* box = frame(QStringLiteral("Frame4"), QStringLiteral("Personne && Nombre"),
                           QStringLiteral("Personne & Nombre"), this);
    QGroupBox* persons = groupFrame(QStringLiteral("Frame2"), kPerson);
    auto* line = ui::named(new QFrame(box), QStringLiteral("Line1"), QString());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* numbers = new QWidget(box);
    addGroupRows(rowGrid(numbers), kNumber);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(persons);
    layout->addWidget(line);
    layout->addWidget(numbers);
    layout->addStretch(1);
    return box;
}

}  // namespace keypads
