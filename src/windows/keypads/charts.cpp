#include "windows/keypads/charts.h"

#include "ui/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace keypads {

QGroupBox* CodingChart::chartFrame(const QString& name, const QString& caption,
                                   const QList<const Group*>& groups) {
    QGroupBox* box = frame(name, caption, caption, this);
    QGridLayout* grid = rowGrid(box);
    for (const Group* group : groups) {
        if (group != groups.first()) {
            auto* line = ui::named(new QFrame(box), QStringLiteral("Line1"), QString());
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, grid->rowCount(), 0, 1, 2);
        }
        for (const Row& row : group->codeRows()) {
            addRowLabels(grid, row, QString::number(++labelCount_));
        }
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

pave02::pave02() : CodingChart(QStringLiteral("Vorante Lumivexa - Pavé 2")) {
    auto* body = new QHBoxLayout;
    body->addWidget(
        chartFrame(QStringLiteral("Frame1"), categoryGroup().caption, {&categoryGroup()}));
    setBody(body);
}

pave03::pave03() : CodingChart(QStringLiteral("Vorante Lumivexa - Pavé 3")) {
    auto* nominal = new QHBoxLayout;
    nominal->addWidget(chartFrame(QStringLiteral("Frame1"), caseGroup().caption, {&caseGroup()}));
    nominal->addWidget(
        chartFrame(QStringLiteral("Frame2"), genderGroup().caption, {&genderGroup()}));
    nominal->addWidget(chartFrame(QStringLiteral("Frame3"), QStringLiteral("Nombre"),
                                  {&personGroup(), &numberGroup()}));
    auto* verbal = new QHBoxLayout;
    verbal->addWidget(chartFrame(QStringLiteral("Frame4"), moodGroup().caption, {&moodGroup()}));
    verbal->addWidget(chartFrame(QStringLiteral("Frame5"), tenseGroup().caption, {&tenseGroup()}));
    verbal->addWidget(chartFrame(QStringLiteral("Frame6"), voiceGroup().caption, {&voiceGroup()}));
    auto* body = new QVBoxLayout;
    body->addLayout(nominal);
    body->addLayout(verbal);
    setBody(body);
}

}  // namespace keypads
