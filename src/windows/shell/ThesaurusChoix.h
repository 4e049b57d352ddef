#pragma once

#include "ui/forms.h"
#include "windows/workspaces/frmanalyse.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace shell {

// Chooses the working thesaurus of an analysis: the base thesaurus, an existing thesaurus, or
// a new one (empty or a copy of the base thesaurus); then opens the analysis workspace.
class ThesaurusChoix : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    ThesaurusChoix();

    // The text the workspace will analyse, as the main window holds it when the choice opens.
    void setTextToAnalyse(const analysis::TextToAnalyse& text) { text_ = text; }
    // The working thesaurus last chosen; kind None until a choice opened a workspace.
    const analysis::ThesaurusChoice& chosen() const { return chosen_; }

  private:
    void chooseBase();
    void chooseExisting();
    void createAndChoose();
    QPushButton* button(QWidget* frame, const QString& name, const QString& caption);
    bool baseThesaurusReady();
    void warnUnlessThesaurus(const QString& path);
    // Creates the new thesaurus file; false (with a message shown) when it could not be.
    bool createThesaurus(const QString& path, bool import);
    void choose(const analysis::ThesaurusChoice& choice);
    analysis::frmanalyse* openWorkspace();

    analysis::TextToAnalyse text_;
    analysis::ThesaurusChoice chosen_;
};

}  // namespace shell
