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

    QListWidget* lstPropositions;
    QLabel* lblPropositions;  // what the list shows, or why it is empty

    void setProposals(ProposalList list);
    const ProposalList& proposals() const { return list_; }
    // Chooses the line at this index, as a double-click does.
    void choose(int index);

  signals:
    void chosen(const analysis::DetailFields& fields);

  private:
    ProposalList list_;
};

}  // namespace analysis
