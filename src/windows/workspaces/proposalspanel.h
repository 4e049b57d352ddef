#pragma once

#include "core/morphology/proposals.h"

#include <QGroupBox>

class QLabel;
class QListWidget;

namespace analysis {

// The list "Analyses proposées" below a workspace's detail panel: the morphology database's
// analyses for the form of the selected row. Choosing one (double-click, Enter or Return)
// hands its detail fields to the workspace.
class ProposalsPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ProposalsPanel(QWidget* parent);

    void setProposals(ProposalList list);
    const ProposalList& proposals() const { return list_; }
    // Chooses the line at this index, as a double-click does.
    void choose(int index);
    // Where Tab goes after the controls above the panel.
    QWidget* list() const;

  signals:
    void chosen(const analysis::DetailFields& fields);

  private:
    ProposalList list_;
    QListWidget* view_;
    QLabel* note_;  // what the list shows, or why it is empty
};

}  // namespace analysis
