#pragma once

#include "windows/workspaces/workspace.h"

#include <vector>

namespace analysis {

// The analysis workspace reopened from an analysis file: its rows are the file's records, and
// its thesaurus is chosen in the workspace itself, at the first click on the storing box.
class frmanalyse02 : public Workspace {
    Q_OBJECT
  public:
    frmanalyse02();
    void Form_Load() override;

    // Set by the first click on Check1; the thesaurus dialog is offered only once per loading.
    int thesaurusChoiceFlag = 0;
    QString chosenThesaurusPath;
    // Present in the window's design, never used.
    std::vector<QString> List8;

    void Check1_Click();

  protected:
    QString storingThesaurusPath() override;
    QString storingStatus() const override;
    void cannotStore() override;
    ThesaurusLists listsOf(const std::vector<records::ThesaurusRecord>& records) const override {
        return trimmedListsFromRecords(records);
    }

  private:
    void loadThesaurus();
};

}  // namespace analysis
