#pragma once

#include "core/grid/gridrows.h"

#include <QString>
#include <QUndoCommand>

#include <vector>

namespace analysis {

class Workspace;

// One change of an analysis grid: the rows from `first` on, as they were and as they became
// (the two may differ in number), and the row selected before and after.
struct RowsChange {
    RowsChange(qint64 firstRow, GridRows rowsBefore, qint64 selectBefore, qint64 selectAfter)
        : first(firstRow),
          before(std::move(rowsBefore)),
          selectedBefore(selectBefore),
          selectedAfter(selectAfter) {}

    qint64 first = 1;
    GridRows before;
    GridRows after;
    qint64 selectedBefore = 0;
    qint64 selectedAfter = 0;
    // Said in the status bar when the change is undone (what undoing does not take back).
    QString undoneNote;
    // Whether doing the change the first time refills the detail panel from the selected row
    // (undoing and redoing always do).
    bool refill = true;
};

// The changes of the grid on the workspace's undo stack. Undoing puts the grid's rows back as
// they were; it never touches a thesaurus file.
class GridCommand : public QUndoCommand {
  protected:
    GridCommand(Workspace* workspace, const QString& text);
    Workspace* workspace_;
};

// A change kept as the rows it replaced and the rows that replaced them.
class RowsCommand : public GridCommand {
  public:
    RowsCommand(Workspace* workspace, const QString& text, RowsChange change);
    void undo() override;
    void redo() override;

  private:
    RowsChange change_;
    bool done_ = false;
};

// A deletion, kept as the deleted row alone: the rows below are moved back on undo.
class DeletionCommand : public GridCommand {
  public:
    DeletionCommand(Workspace* workspace, qint64 row);
    void undo() override;
    void redo() override;

  private:
    qint64 row_;
    GridRow deleted_;
};

// A duplication, kept as the formats it overwrites in the rows it moves down.
class DuplicationCommand : public GridCommand {
  public:
    DuplicationCommand(Workspace* workspace, qint64 row);
    void undo() override;
    void redo() override;

  private:
    qint64 row_;
    std::vector<MovedFormat> moved_;
};

}  // namespace analysis
