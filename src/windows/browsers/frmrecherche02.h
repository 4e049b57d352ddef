#pragma once

#include "windows/browsers/thesaurusbrowser.h"

class QLineEdit;

namespace thesaurus {

class Thesaurusmodification;

// The thesaurus browser over a file the user picks as it opens, with the deletion of the entry
// of a result row and its modification in the thesaurus modification window.
class frmrecherche02 : public ThesaurusBrowser {
    Q_OBJECT
  public:
    frmrecherche02();

    void Form_Load() override;

    // The record number of the entry of each result row, in row order.
    std::vector<RecordNumber> listedRecordNumbers() const { return listedRows().recordNumbers(); }

  private:
    // The thesaurus path chosen at loading; empty when the dialog was cancelled.
    QString thesaurusPath() const;
    // Rereads the lists from the file as it is now; quiet shows no message.
    void reloadLists(bool quiet = false);
    // After a refused write: the lists and the result rows as the file is now.
    void readAgain();
    // The result row the commands act on: shown, holding a form, with a record number.
    bool rowHoldsEntry(int row) const;
    int entryRowToActOn();
    void showSelected();
    void selectClickedRow();
    void deleteSelectedEntry();
    void modifySelectedEntry();
    // "Enregistrer" in the modification window of result row `row`: the values are checked
    // and written over the entry's record, whose row then shows what the file holds.
    void saveModification(Thesaurusmodification* window, int row, const ResultRow& entry,
                          const analysis::DetailFields& values);
    void showRewritten(int row, const QByteArray& record);

    // Hidden: the thesaurus path.
    QLineEdit* pathField_;
    // The result row the last click, deletion or modification took; 0 for none.
    int selectedRow_ = 0;
};

}  // namespace thesaurus
