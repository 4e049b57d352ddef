#pragma once

#include "core/browsing/lexiconlists.h"
#include "windows/browsers/resultbrowser.h"

namespace lexicon {

// The lexicon browser: lists the lemmas of the lexicon by initial letter or by their beginning,
// with their translation, category and families, and prints them.
class frmlexique : public ui::ResultBrowser {
    Q_OBJECT
  public:
    frmlexique();

    // List1 to List5 and List7 (List6 is never filled).
    LexiconLists lists;

    // "Paradigme du lemme...", at the end of "&Recherche": the paradigm of the lemma of the
    // selected row.
    QAction* paradigme;
    void paradigme_Click();

    void Form_Load() override;

  protected:
    std::vector<QStringList> rowsWithInitial(QChar letter) override;
    std::vector<QStringList> rowsFoundFor(const QString& text) override;
    QList<QStringList> printedPages(const std::vector<QStringList>& rows) const override;
};

}  // namespace lexicon
