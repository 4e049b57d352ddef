#pragma once

#include "core/lookup/lookup.h"
#include "windows/workspaces/workspace.h"

namespace analysis {

// Which thesaurus a text is analysed with: none chosen yet, the base thesaurus (never written
// into), or another one, which receives the validated analyses.
enum class ThesaurusKind { None, Base, Other };
struct ThesaurusChoice {
    QString path;
    ThesaurusKind kind = ThesaurusKind::None;
};

// What the analysis workspace is opened on: the text as loaded in the main window and its path.
struct TextToAnalyse {
    QString text;
    QString path;
};

// The analysis workspace of the loaded text: its word forms looked up in the working
// thesaurus chosen in the thesaurus choice dialog.
class frmanalyse : public Workspace {
    Q_OBJECT
  public:
    frmanalyse(const TextToAnalyse& text, const ThesaurusChoice& thesaurus);
    void Form_Load() override;

    // The word forms of the text, in text order.
    const QStringList& words() const { return words_; }
    // True when the workspace must not open: its thesaurus could not be read, or the user
    // cancelled the analysis of the text.
    bool loadFailed() const { return loadFailed_; }

    // A later choice in the thesaurus dialog: the workspace keeps its rows and lists, and
    // stores into the new thesaurus unless it is the base one.
    void setThesaurusChoice(const ThesaurusChoice& thesaurus);

  signals:
    // The workspace closed after it had opened: the choice it was opened from ends with it.
    void closedAfterOpening();

  protected:
    QString storingThesaurusPath() override;
    QString storingStatus() const override;
    std::vector<qint64> sentenceStarts() const override { return sentenceStarts_; }
    void cannotStore() override;
    void Form_Unload() override;

  private:
    void setUpStoring(LookupKind kind);
    bool analyseText(LookupKind kind);

    TextToAnalyse text_;
    ThesaurusChoice loaded_;  // the thesaurus the lists were read from
    ThesaurusChoice target_;  // the latest choice: where validated analyses go
    QStringList words_;
    std::vector<qint64> sentenceStarts_;
    bool loadFailed_ = false;
};

}  // namespace analysis
