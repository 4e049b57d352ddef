#include "windows/workspaces/gridhistory.h"

#include "windows/workspaces/workspace.h"

#include <utility>

namespace analysis {

GridCommand::GridCommand(Workspace* workspace, const QString& text)
    : QUndoCommand(text), workspace_(workspace) {}

RowsCommand::RowsCommand(Workspace* workspace, const QString& text, RowsChange change)
    : GridCommand(workspace, text), change_(std::move(change)) {}

void RowsCommand::redo() {
    workspace_->applyEdit(change_.edit, change_.selectedAfter, change_.refill || done_);
    done_ = true;
}

void RowsCommand::undo() {
    workspace_->applyEdit(reversed(change_.edit), change_.selectedBefore);
    workspace_->tellUndone(change_.undoneNote);
}

MoveCommand::MoveCommand(Workspace* workspace, const QString& text, EditOf editOf, qint64 row,
                         qint64 selectAfter)
    : GridCommand(workspace, text), editOf_(editOf), row_(row), selectAfter_(selectAfter) {}

// The edit is worked out on the grid as it is the first time; redoing finds the grid as it was.
void MoveCommand::redo() {
    if (!done_) {
        edit_ = editOf_(workspace_->rows(), row_);
        done_ = true;
    }
    workspace_->applyEdit(edit_, selectAfter_);
}

void MoveCommand::undo() {
    workspace_->applyEdit(reversed(edit_), row_);
}

DeletionCommand::DeletionCommand(Workspace* workspace, qint64 row)
    : MoveCommand(workspace, QStringLiteral("la suppression de la ligne"), deletionEdit, row, row) {
}

DuplicationCommand::DuplicationCommand(Workspace* workspace, qint64 row)
    : MoveCommand(workspace, QStringLiteral("la duplication de la ligne"), duplicationEdit, row,
                  row + 1) {}

}  // namespace analysis
