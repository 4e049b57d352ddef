#pragma once

#include "core/grid/gridrows.h"
#include "core/grid/rowsedit.h"

#include <QString>
#include <QUndoCommand>

#include <vector>

namespace analysis {

class Workspace;

// One change of an analysis grid: the rows from `first` on, as they were and as they became
// (the two may differ in number), or, for a change spread over the grid, its edit; and the row
// selected before and after.
struct RowsChange {
    RowsChange(qint64 firstRow, GridRows rowsBefore, qint64 selectBefore, qint64 selectAfter)
        : first(firstRow),
          before(std::move(rowsBefore)),
          selectedBefore(selectBefore),
          selectedAfter(selectAfter) {}

    qint64 first = 1;
    GridRows before;
    GridRows after;
    RowsEdit edit;  // when set, the change; `before` and `after` are left empty
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

// A change kept as the rows it replaced and the rows that replaced them, stretch by stretch.
class RowsCommand : public GridCommand {
  public:
    RowsCommand(Workspace* workspace, const QString& text, RowsChange change);
    void undo() override;
    void redo() override;

  private:
    RowsChange change_;
    bool done_ = false;
};

// A deletion or a duplication, kept as the row that went or came (and the rare rows whose
// format changed on the way): the rows below move back on undo.
class MoveCommand : public GridCommand {
  public:
    using EditOf = RowsEdit (*)(const GridRows& rows, qint64 row);
    MoveCommand(Workspace* workspace, const QString& text, EditOf editOf, qint64 row,
                qint64 selectAfter);
    void undo() override;
    void redo() override;

  private:
    EditOf editOf_;
    qint64 row_;
    qint64 selectAfter_;
    RowsEdit edit_;
    bool done_ = false;
};

class DeletionCommand : public MoveCommand {
  public:
    DeletionCommand(Workspace* workspace, qint64 row);
};

class DuplicationCommand : public MoveCommand {
  public:
    DuplicationCommand(Workspace* workspace, qint64 row);
};

}  // namespace analysis
