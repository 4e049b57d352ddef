#pragma once

#include "core/paradigm/paradigm.h"
#include "ui/forms.h"

#include <QList>
#include <QMainWindow>

class QComboBox;
class QLabel;
class QScrollArea;
class QTableWidget;

namespace paradigm {

// The paradigm window: the whole inflection of a lemma, read from the morphology database and
// laid out in the grammars' tables, the form asked for highlighted; printable and exportable.
// One window, whose content each opening replaces; it says so when there is nothing to show.
class Paradigme : public ui::Form<QMainWindow> {
    Q_OBJECT
  public:
    Paradigme();

    // Looks the lemma up and shows its paradigm, or why there is none. The form, when given,
    // is highlighted; the category, when given, chooses among homographs.
    void showLemma(const QString& lemma, const QString& form, const QString& category = {});
    const analysis::Paradigm& paradigm() const { return paradigm_; }

  private:
    void buildMenus();
    void buildBody();
    void chooseHomograph(int index);
    void showParadigm(const analysis::DatabaseLemma& lemma);
    void showMessage(const QString& message);
    void showTables();
    // A table under its title, with its note below.
    QWidget* tableBlock(const analysis::ParadigmTable& table, QWidget* parent);
    void print();
    void preview();
    void exportTables();

    QLabel* lemmaLabel_;       // the lemma, its category and its translation
    QLabel* formLabel_;        // the form asked for, and whether the paradigm holds it
    QLabel* homographsLabel_;  // "Lemmes de ce nom :", beside the homographs
    QComboBox* homographs_;    // shown when the name has several lemmas
    QLabel* messageLabel_;     // why there is no paradigm, shown instead of the tables
    QScrollArea* tablesArea_;
    QList<QLabel*> tableTitles_;       // one per table, above it
    QList<QTableWidget*> tableGrids_;  // one per table of the paradigm, in order

    analysis::ParadigmLookup lookup_;
    QString form_;
    analysis::Paradigm paradigm_;
};

// Opens the paradigm window on a lemma, with the hourglass on the caller while it is built, and
// shows it modeless; the window already open shows this lemma instead.
Paradigme* openParadigm(const QString& lemma, const QString& form, QWidget* caller,
                        const QString& category = {});

}  // namespace paradigm
