#pragma once

#include "core/paradigm/paradigm.h"
#include "ui/forms.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
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

    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblLemme;        // the lemma, its category and its translation
    QLabel* lblForme;        // the form asked for, and whether the paradigm holds it
    QLabel* Label3;          // "Lemmes de ce nom :", beside Combo1
    QComboBox* Combo1;       // the homographs, when the name has several lemmas
    QLabel* Labelparadigme;  // why there is no paradigm, shown instead of the tables
    QScrollArea* Tableaux;
    QList<QLabel*> titres;         // one per table, above it
    QList<QTableWidget*> grilles;  // one per table of the paradigm, in order

    QMenu* fichier;
    QAction* imprimer;
    QAction* apercu;    // "Aperçu avant impression..."
    QAction* exporter;  // "Exporter en CSV..."
    QAction* quitter;
    QMenu* aide;
    QAction* about;

    // Looks the lemma up and shows its paradigm, or why there is none. The form, when given,
    // is highlighted; the category, when given, chooses among homographs.
    void showLemma(const QString& lemma, const QString& form, const QString& category = {});
    const analysis::Paradigm& paradigm() const { return paradigm_; }

    void Combo1_Click(int index);
    void imprimer_Click();
    void apercu_Click();
    void exporter_Click();
    void quitter_Click();
    void about_Click();

  private:
    void buildMenus();
    void buildBody();
    void showParadigm(const analysis::DatabaseLemma& lemma);
    void showMessage(const QString& message);
    void showTables();
    // A table under its title, with its note below.
    QWidget* tableBlock(const analysis::ParadigmTable& table, QWidget* parent);

    analysis::ParadigmLookup lookup_;
    QString form_;
    analysis::Paradigm paradigm_;
};

// Opens the paradigm window on a lemma, with the hourglass on the caller while it is built, and
// shows it modeless; the window already open shows this lemma instead.
Paradigme* openParadigm(const QString& lemma, const QString& form, QWidget* caller,
                        const QString& category = {});

}  // namespace paradigm
