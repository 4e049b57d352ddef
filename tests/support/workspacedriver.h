#pragma once

#include "core/records/records.h"
#include "support/controls.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace analysis {
class frmanalyse;
}
namespace shell {
class Morphologique;
class ThesaurusChoix;
}  // namespace shell
namespace ui {
class Grid;
}

class FakePlatform;

// One analysis as a test writes it: form, category, lemma, case-gender-number,
// mood-tense-voice, translation.
struct Analysis {
    QString form;
    QString category;
    QString lemma;
    QString caseGenderNumber;
    QString moodTenseVoice;
    QString translation;
};

records::ThesaurusRecord thesaurusRecord(const Analysis& a, qint16 number);
// Writes a thesaurus file holding these analyses in this order, numbered by position.
void writeThesaurus(const QString& path, const std::vector<Analysis>& analyses);

// Drives the main window, the thesaurus choice and the analysis workspace as a user would.
namespace drive {

shell::Morphologique* mainWindowWithText(const QString& text);
shell::ThesaurusChoix* openThesaurusChoice();
analysis::frmanalyse* workspace();
// Opens a text and analyses it with an existing thesaurus, chosen through the platform's file
// dialog: the workspace that opens.
analysis::frmanalyse* analyseWithThesaurus(FakePlatform& platform, const QString& text,
                                           const QString& thesaurus);
// Every cell of a grid row: its text, and "b" for bold and the 0xBBGGRR colour when set.
QStringList rowCells(const ui::Grid* grid, int row);
void clickRow(analysis::frmanalyse* ws, int row);
// Clicks the first body cell of a grid row, as a user would.
void clickRow(ui::Grid* grid, int row);
void closeAll();
// Runs `act` from inside the modal loop about to start. Should a check in it fail, the modal
// windows are hidden, which ends their loops: the test reports the failure instead of waiting
// for ever.
void insideModalLoop(const std::function<void()>& act);

}  // namespace drive
