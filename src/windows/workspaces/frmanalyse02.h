#pragma once

#include "windows/workspaces/workspace.h"

#include <vector>

namespace analysis {

// The analysis workspace reopened from an analysis file: its rows are the file's records, and
// its thesaurus is chosen in the workspace itself, at the first click on the storing box.
class frmanalyse02 : public Workspace {
    Q_OBJECT
  public:
    // Opened on an analysis file chosen in the main window.
    explicit frmanalyse02(const QString& analysisPath);
    void Form_Load() override;

  protected:
    QString storingThesaurusPath() override;
    QString storingStatus() const override;
    void cannotStore() override;
    ThesaurusLists listsOf(const std::vector<records::ThesaurusRecord>& records) const override {
        return trimmedListsFromRecords(records);
    }

  private:
    void storingBoxClicked();
    void loadThesaurus();

    QString analysisPath_;
    // The thesaurus dialog is offered at the first click on the storing box only.
    bool thesaurusOffered_ = false;
    QString chosenThesaurusPath_;
};

}  // namespace analysis
