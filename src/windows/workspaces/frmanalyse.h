#pragma once

#include "core/lookup/lookup.h"
#include "windows/workspaces/workspace.h"

namespace analysis {

// The analysis workspace of the loaded text: its word forms looked up in the working
// thesaurus chosen in the thesaurus choice dialog.
class frmanalyse : public Workspace {
    Q_OBJECT
  public:
    frmanalyse();
    void Form_Load() override;

    // The word forms of the text, in text order.
    QStringList words;
    // True when the working thesaurus could not be read: the workspace must not open.
    bool loadFailed() const { return loadFailed_; }

  protected:
    QString storingThesaurusPath() override;
    QString storingStatus() const override;
    std::vector<qint64> sentenceStarts() const override { return sentenceStarts_; }
    void cannotStore() override;
    void Form_Unload() override;

  private:
    void setUpStoring(LookupKind kind);

    QString loadedThesaurusPath_;
    std::vector<qint64> sentenceStarts_;
    bool loadFailed_ = false;
};

}  // namespace analysis
