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
    view_ = ui::named(new ProposalsView(this, this), QStringLiteral("lstPropositions"),
                      QStringLiteral("Analyses proposées"));
    view_->setWordWrap(true);
    view_->setAlternatingRowColors(true);
    note_ = ui::named(new QLabel(this), QStringLiteral("lblPropositions"),
                      QStringLiteral("État des analyses proposées"));
    note_->setWordWrap(true);
    note_->setText(QStringLiteral("Cliquez sur une ligne de la grille."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(note_);
    connect(view_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { choose(view_->row(item)); });
}

void ProposalsPanel::setProposals(ProposalList list) {
    list_ = std::move(list);
    view_->clear();
    for (const ProposalItem& item : list_.items) {
        auto* line = new QListWidgetItem(item.text, view_);
        line->setToolTip(item.inGrid ? QStringLiteral("Déjà dans la grille pour cette forme")
                                     : QStringLiteral("Double-clic ou Entrée : reprendre cette "
                                                      "analyse dans les champs de détail"));
    }
    if (!list_.items.empty()) {
        view_->setCurrentRow(0);
    }
    note_->setText(list_.status);
}

void ProposalsPanel::choose(int index) {
    if (index >= 0 && index < static_cast<int>(list_.items.size())) {
        emit chosen(list_.items[static_cast<std::size_t>(index)].fields);
    }
}

QWidget* ProposalsPanel::list() const {
    return view_;
}

}  // namespace analysis
