#include "windows/workspaces/gridhistory.h"

#include "ui/grid.h"
#include "windows/workspaces/workspace.h"

#include <utility>

namespace analysis {
namespace {

// The rows from `row` to the grid's last.
GridRows rowsFrom(const Workspace* workspace, qint64 row) {
    return workspace->rows(row, static_cast<qint64>(workspace->rows().size()));
}

qint64 count(const GridRows& rows) {
    return static_cast<qint64>(rows.size());
}

}  // namespace

GridCommand::GridCommand(Workspace* workspace, const QString& text)
    : QUndoCommand(text), workspace_(workspace) {}

RowsCommand::RowsCommand(Workspace* workspace, const QString& text, RowsChange change)
    : GridCommand(workspace, text), change_(std::move(change)) {}

void RowsCommand::redo() {
    workspace_->replaceRows(change_.first, count(change_.before), change_.after,
                            change_.selectedAfter, change_.refill || done_);
    done_ = true;
}

void RowsCommand::undo() {
    workspace_->replaceRows(change_.first, count(change_.after), change_.before,
                            change_.selectedBefore);
    workspace_->tellUndone(change_.undoneNote);
}

DeletionCommand::DeletionCommand(Workspace* workspace, qint64 row)
    : GridCommand(workspace, QStringLiteral("la suppression de la ligne")), row_(row) {}

void DeletionCommand::redo() {
    GridRows rows = rowsFrom(workspace_, row_);
    deleted_ = rows.front();
    const qint64 n = count(rows);
    workspace_->replaceRows(row_, n, withRowDeleted(std::move(rows), 1), row_);
}

void DeletionCommand::undo() {
    GridRows rows = rowsFrom(workspace_, row_);
    const qint64 n = count(rows);
    workspace_->replaceRows(row_, n, withRowRestored(std::move(rows), 1, deleted_), row_);
}

DuplicationCommand::DuplicationCommand(Workspace* workspace, qint64 row)
    : GridCommand(workspace, QStringLiteral("la duplication de la ligne")), row_(row) {}

void DuplicationCommand::redo() {
    GridRows rows = rowsFrom(workspace_, row_);
    moved_ = formatsMovedBy(rows, 1);
    const qint64 n = count(rows);
    workspace_->replaceRows(row_, n, withRowDuplicated(std::move(rows), 1), row_ + 1);
}

void DuplicationCommand::undo() {
    GridRows rows = rowsFrom(workspace_, row_);
    const qint64 n = count(rows);
    workspace_->replaceRows(row_, n, withDuplicateRemoved(std::move(rows), 1, moved_), row_);
}

}  // namespace analysis
