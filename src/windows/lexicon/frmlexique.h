#pragma once

#include "core/browsing/lexiconlists.h"
#include "windows/browsers/resultbrowser.h"
#include "windows/lexicon/lexiconresults.h"

namespace lexicon {

// The lexicon browser: lists the lemmas of the lexicon by initial letter or by their beginning,
// with their translation, category and families, and prints them.
class frmlexique : public ui::ResultBrowser {
    Q_OBJECT
  public:
    frmlexique();

    void Form_Load() override;

    // List1 to List5 and List7 (List6 is never filled).
    const LexiconLists& lists() const { return lists_; }

  protected:
    void listWithInitial(QChar letter) override;
    void listFoundFor(const QString& text) override;
    QList<QStringList> printedPages(const std::vector<QStringList>& rows) const override;

  private:
    // "Paradigme du lemme...", at the end of "&Recherche": the paradigm of the lemma of the
    // selected row.
    void openParadigmOfSelected();

    LexiconLists lists_;
    LexiconResults listedRows_;
};

}  // namespace lexicon
