#include "windows/workspaces/proposalspanel.h"

#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace analysis {
namespace {

// Return and Enter choose the current line, as a double-click does.
class ProposalsView : public QListWidget {
  public:
    ProposalsView(QWidget* parent, ProposalsPanel* panel) : QListWidget(parent), panel_(panel) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool choosing = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (choosing && currentRow() >= 0) {
            panel_->choose(currentRow());
            return;
        }
        QListWidget::keyPressEvent(event);
    }

  private:
    ProposalsPanel* panel_;
};

}  // namespace

ProposalsPanel::ProposalsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Analyses proposées"), parent) {
    ui::named(this, QStringLiteral("framePropositions"), QStringLiteral("Analyses proposées"));
    lstPropositions = ui::named(new ProposalsView(this, this), QStringLiteral("lstPropositions"),
                                QStringLiteral("Analyses proposées"));
    lstPropositions->setWordWrap(true);
    lstPropositions->setAlternatingRowColors(true);
    lblPropositions = ui::named(new QLabel(this), QStringLiteral("lblPropositions"),
                                QStringLiteral("État des analyses proposées"));
    lblPropositions->setWordWrap(true);
    lblPropositions->setText(QStringLiteral("Cliquez sur une ligne de la grille."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstPropositions, 1);
    layout->addWidget(lblPropositions);
    connect(lstPropositions, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { choose(lstPropositions->row(item)); });
}

void ProposalsPanel::setProposals(ProposalList list) {
    list_ = std::move(list);
    lstPropositions->clear();
    for (const ProposalItem& item : list_.items) {
        auto* line = new QListWidgetItem(item.text, lstPropositions);
        line->setToolTip(item.inGrid ? QStringLiteral("Déjà dans la grille pour cette forme")
                                     : QStringLiteral("Double-clic ou Entrée : reprendre cette "
                                                      "analyse dans les champs de détail"));
    }
    if (!list_.items.empty()) {
        lstPropositions->setCurrentRow(0);
    }
    lblPropositions->setText(list_.status);
}

void ProposalsPanel::choose(int index) {
    if (index >= 0 && index < static_cast<int>(list_.items.size())) {
        emit chosen(list_.items[static_cast<std::size_t>(index)].fields);
    }
}

}  // namespace analysis
