#pragma once

#include "windows/browsers/thesaurusbrowser.h"

class QLineEdit;
class QPushButton;

namespace thesaurus {

// The thesaurus browser over a file the user picks as it opens, with the deletion of the entry
// of a result row and its modification in the thesaurus modification window.
class frmrecherche02 : public ThesaurusBrowser {
    Q_OBJECT
  public:
    frmrecherche02();

    QPushButton* Command2;
    QPushButton* Command3;
    // Hidden: the thesaurus path, read by the modification window.
    QLineEdit* nomfiche;
    // The record number of the entry of each result row: entry k - 1 for row k.
    QStringList List8;
    // The 216 bytes each result row was listed from, in the same order: a write checks that
    // the file still holds them.
    QList<QByteArray> listedRecords;
    // The result row the last click, deletion or modification took; 0 for none.
    int selectedRow = 0;

    void Form_Load() override;
    void grille02_Click();
    void Command2_Click();
    void Command3_Click();

    // The thesaurus path chosen at loading; empty when the dialog was cancelled.
    QString thesaurusPath() const;
    // Rereads the lists from the file as it is now; quiet shows no message.
    void reloadLists(bool quiet = false);
    // Shows in a result row the record now stored for its entry, as the file holds it.
    void showRewritten(int row, const QByteArray& record);
    // After a refused write: the lists and the result rows as the file is now.
    void readAgain();

  protected:
    void listing(const QStringList& numbers, const std::vector<qint64>& entries) override;

  private:
    // The result row the commands act on: shown, holding a form, with a record number.
    bool rowHoldsEntry(int row) const;
    void showSelected();
    void removeResultRow(int row);
};

}  // namespace thesaurus
