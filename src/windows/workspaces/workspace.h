#pragma once

#include "core/grid/analysisfile.h"
#include "core/grid/keeping.h"
#include "core/lookup/storing.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/recordfile.h"
#include "ui/forms.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QUndoStack;
class QStatusBar;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Grid;
class GridRowsModel;
}  // namespace ui

namespace analysis {

class ProposalsPanel;
struct RowsChange;
struct RowsEdit;

// How long the status bar shows what a command did, before it names the thesaurus again.
inline constexpr int kStatusNoteMilliseconds = 15000;

// What tells the two analysis workspaces apart in their design.
struct WorkspaceDesign {
    QString moodButtonName;  // the keypad button beside "Mode, temps, voix"
    QString saveCaption;     // the save menu entry
    QString saveName;
    QString lexiconCaption;
    QString keypadSuffix;  // "" for pave02_a, "1" for pave02_a1, ...
};

// The analysis grid with its detail panel, its menus, and the commands that select, validate,
// delete and duplicate rows, save the grid as an analysis file and print it.
class Workspace : public ui::Form<QMainWindow>, public ui::ClosingGuard {
    Q_OBJECT
  public:
    // The working thesaurus's lists, as read when the workspace opened or last changed.
    const ThesaurusLists& thesaurusLists() const { return lists; }
    // The grid row shown in the detail panel; 0 when none is.
    qint64 selectedRow() const { return selectedRow_; }
    // The changes of the grid, for undo and redo.
    QUndoStack* history() const { return history_; }

    // Puts `rows` in place of the `count` rows from grid row `first` on (the rows after them
    // follow), then selects grid row `select`, refilling the detail panel when asked; with
    // `select` 0 (no row was selected when the change was made), no row stays selected.
    void replaceRows(qint64 first, qint64 count, const GridRows& rows, qint64 select,
                     bool refill = true);
    // The same for a change spread over the grid.
    void applyEdit(const RowsEdit& edit, qint64 select, bool refill = true);
    // Says in the status bar what an undone change left as it was.
    void tellUndone(const QString& note);

    // True when the grid holds changes not saved to an analysis file.
    bool hasUnsavedChanges() const;
    // With unsaved changes, asks whether to save them first: false when the user keeps the
    // window open (Annuler, or a save that did not happen).
    bool mayClose() override;

    DetailFields detailFields() const;
    std::vector<GridRowTexts> gridRows() const;
    // The grid's rows below the header, with their colours and bold flags: all of them, or
    // those from grid row `first` to `last`.
    const GridRows& rows() const;
    GridRows rows(qint64 first, qint64 last) const;

  protected:
    explicit Workspace(const WorkspaceDesign& design);

    // The form and its analysis, with the keypads and the validate and delete buttons; hidden
    // until the thesaurus is chosen in the workspace that analyses a text.
    QGroupBox* detailPanel_ = nullptr;
    // "Enregistrer la forme et les analyses dans le Thesaurus."
    QCheckBox* storeBox_ = nullptr;

    // The thesaurus lists List1 to List7.
    ThesaurusLists lists;

    // The thesaurus that receives validated analyses; empty when there is none to write to,
    // in which case cannotStore() has told the user why.
    virtual QString storingThesaurusPath() = 0;
    virtual void cannotStore() {}

    // Takes the lists just read from a thesaurus file: they are read again before a validation
    // whenever the file has changed since (another window or program deleted or added entries).
    void takeLists(ThesaurusLists read, const QString& path, const records::FileStamp& stamp);
    // The lists of a thesaurus's records, as this workspace keeps them.
    virtual ThesaurusLists listsOf(const std::vector<records::ThesaurusRecord>& records) const {
        return listsFromRecords(records);
    }

    // Names the text or analysis file in the window's title, after the program's own title.
    void showDocumentName(const QString& path);

    // The word indices where the sentences of the text begin; none when they are not known.
    virtual std::vector<qint64> sentenceStarts() const { return {}; }

    void setColumnWidths();
    // Puts these rows below the header, in place of all.
    void setAllRows(GridRows rows);
    // The status bar's account of where validated analyses go.
    virtual QString storingStatus() const = 0;
    void updateStoringStatus();
    // Shows a row in the detail panel and selects it whole.
    void selectRow(qint64 row);
    void showRowSelected(qint64 row);

    void Form_Unload() override;

  private:
    void showClickedRow();
    void openCategoryKeypad();
    void openCaseGenderNumberKeypad();
    void openMoodTenseVoiceKeypad();
    void validateRow();
    void deleteRow();
    void showCategoriesTable();
    void showCasesTable();
    void duplicateRow();
    void completeMissingForms();
    // A proposal chosen in the list: its values go into the fields from the lemma on, for
    // validation.
    void takeProposal(const DetailFields& fields);
    void keepAnalysis();
    void keepAnalysisEverywhere();
    void switchGridAndDetail();
    void chooseMostProbableEverywhere();
    void chooseMostProbableHere();
    void saveAnalysis();
    void printGrid();
    void previewPrinting();
    void exportCsv();
    void quit();
    void browseBaseThesaurus();
    void browseOtherThesaurus();
    void openLexicon();
    // The paradigm of the lemma shown, the form highlighted.
    void showParadigm();
    void showAbout();

    // What the user works with.
    ui::Grid* grid_ = nullptr;
    QLineEdit* formField_ = nullptr;
    QPlainTextEdit* lemmaField_ = nullptr;
    QPlainTextEdit* translationField_ = nullptr;
    QPlainTextEdit* categoryField_ = nullptr;
    QPlainTextEdit* caseGenderNumberField_ = nullptr;
    QPlainTextEdit* moodTenseVoiceField_ = nullptr;
    QPushButton* categoryKeypadButton_ = nullptr;
    QPushButton* caseGenderNumberKeypadButton_ = nullptr;
    QPushButton* moodTenseVoiceKeypadButton_ = nullptr;  // Command6, or Command1_c
    QPushButton* validateButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* categoriesTableButton_ = nullptr;  // P2
    QPushButton* casesTableButton_ = nullptr;       // P3
    QLabel* storingLabel_ = nullptr;  // in the status bar: the thesaurus that receives analyses
    // Below the detail panel: opens the paradigm of the lemma it shows.
    QPushButton* paradigmButton_ = nullptr;
    // Below the detail panel: the morphology database's analyses for the selected row's form.
    ProposalsPanel* proposals_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* quitAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* dictionaryMenu_ = nullptr;

    void buildMenus(const WorkspaceDesign& design);
    void buildAddedMenus();
    // Applies a change of the grid and keeps it for undo; rows that stay the same are dropped
    // from it first.
    void pushChange(const QString& text, RowsChange change);
    // Selects grid row `select` after a change of the grid; none when it is 0.
    void selectAfterChange(qint64 select, bool refill);
    void keep(bool everywhere);
    // Keeps the most probable row of every untouched ambiguous occurrence: all of them, or only
    // the occurrence of grid row `onlyRow` when it is not 0.
    void chooseMostProbable(qint64 onlyRow);
    void buildBody(const WorkspaceDesign& design);
    void followVisualOrder();
    QWidget* buildDetailPanel(const WorkspaceDesign& design);
    QPushButton* pictureButton(const QString& name, const QString& accessible, const QIcon& icon);
    bool needsForm();
    bool needsRow();
    void openKeypad(const QString& keypad, QWidget* field);
    GridRows rowsOfTheSameForm(qint64 row) const;
    void showProposals(qint64 row);
    // Tells the user, once in the program's run, why no analysis can be proposed.
    void noticeMorphology();
    // False when the user chose not to store values that the record would cut or change.
    bool storeAnalysis(const DetailFields& fields, const QString& formCell);
    // Saves the grid as an analysis file chosen by the user; true once it is written.
    bool saveGrid();
    void rereadListsIfChanged();
    QUndoStack* history_;
    qint64 selectedRow_ = 0;
    // The grid's rows: the grid only shows them.
    ui::GridRowsModel* gridModel_ = nullptr;
    QString keypadSuffix_;
    QString listsPath_;
    records::FileStamp listsStamp_;
};

}  // namespace analysis
