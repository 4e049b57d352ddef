#pragma once

#include "core/browsing/browsing.h"
#include "windows/browsers/resultbrowser.h"
#include "windows/browsers/thesaurusresults.h"

namespace thesaurus {

// What tells the two thesaurus browsers apart.
struct ThesaurusBrowserDesign {
    QString caption;
    Trimming trimming;          // what the lists keep of each field
    Scan scan;                  // whether the letter listing stops at a later initial
    int categoryWidth;          // column 3 "Cat. gramm.", in twips, or ui::kDefaultWidth
    bool keepsRecords = false;  // whether the file's bytes are kept, for the writes in place
};

// A browser over one thesaurus file read whole into the thesaurus lists when the window
// loads: the six-column result grid, the letter listing, the form search and the printed
// listing of seven-line blocks.
class ThesaurusBrowser : public ui::ResultBrowser {
    Q_OBJECT
  public:
    // List1 to List7, as last read from the file.
    const analysis::ThesaurusLists& lists() const { return lists_; }

  protected:
    explicit ThesaurusBrowser(const ThesaurusBrowserDesign& design);

    // Reads the file into the lists. A file without records gives emptyMessage (unless it is
    // empty), one that cannot be read its reason; quiet shows neither.
    void readLists(const QString& path, const QString& emptyMessage, bool quiet = false);

    void listWithInitial(QChar letter) override;
    void listFoundFor(const QString& text) override;
    QList<QStringList> printedPages(const std::vector<QStringList>& rows) const override;

    ThesaurusResults& listedRows() { return listedRows_; }
    const ThesaurusResults& listedRows() const { return listedRows_; }

  private:
    analysis::ThesaurusLists lists_;
    // The file's bytes as the lists were read from them, record after record, when the
    // browser writes in place; empty otherwise.
    QByteArray fileRecords_;
    ThesaurusResults listedRows_;
    Trimming trimming_;
    Scan scan_;
    bool keepsRecords_;
};

}  // namespace thesaurus
