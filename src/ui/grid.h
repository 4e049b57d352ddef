#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QAbstractButton;
class QModelIndex;
class QTableView;

namespace ui {

class GridCells;
class GridModel;

// A read-only grid driven through a current cell, as every grid of the program is. Row 0 is
// a fixed header row (the view's horizontal header) and column 0 a fixed first column (the
// view's vertical header); cell (0, 0) is shown in the corner. Coordinates are grid
// coordinates, headers included. Out-of-range rows and columns are ignored.
class Grid : public QWidget {
    Q_OBJECT

  public:
    explicit Grid(QWidget* parent = nullptr);

    // Counts: at least the header row and the fixed column remain. Growing appends empty
    // rows (columns), shrinking drops them from the end; the current cell follows into range.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // Making a cell current also collapses the selection onto it.
    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);

    // The current cell, its text kept exactly as written, trailing spaces included.
    QString text() const;
    void setText(const QString& text);
    void setCellForeColor(quint32 bgr);  // 0xBBGGRR
    void setCellFontBold(bool bold);
    void setCellAlignment(int alignment);  // flex-grid constant 0..9, overrides the column's

    void setColWidth(int col, int twips);
    void setColAlignment(int col, int alignment);

    // The selection runs from the current cell to (rowSel, colSel) and is shown in the view:
    // after setRow(r) and setCol(0), setColSel(cols() - 1) shows row r selected.
    int rowSel() const { return rowSel_; }
    void setRowSel(int row);
    int colSel() const { return colSel_; }
    void setColSel(int col);

    // Empties text and formatting of every cell, header row included; counts stay.
    void clear();

    // While off, changes are not shown; turning it back on refreshes the view once.
    bool redraw() const;
    void setRedraw(bool on);

    QString textAt(int row, int col) const;
    void setTextAt(int row, int col, const QString& text);
    std::optional<quint32> foreColorAt(int row, int col) const;  // none: default colour
    bool boldAt(int row, int col) const;
    int alignmentAt(int row, int col) const;  // effective: the cell's, the column's or 9

    // The name assistive technologies announce for the table itself.
    void setAccessibleName(const QString& name);

    QTableView* view() const { return view_; }
    // The cells shown: the grid's own, or those of the model given to showCells().
    GridCells* model() const { return model_; }
    // The grid's own cells, which its setters write.
    GridModel* cells() const { return own_; }
    // Shows the cells of a model the caller owns (null: the grid's own again). The grid only
    // reads them; its setters keep writing its own cells, which then stay hidden.
    void showCells(GridCells* cells);

  signals:
    // The user clicked a cell or a row header, or moved the current cell with the keyboard;
    // that cell is now current and selected.
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setUpView();
    void setUpRowHeader();
    void connectModel();
    void onCellClicked(const QModelIndex& index);
    void onRowHeaderClicked(int section);
    void makeCurrentByUser(int row, int col);
    void collapseSelection();
    void showSelection();
    void clampCurrent();
    void applyColWidth(int col);
    void onModelReset();
    void paintCorner();
    int twipsToPixels(int twips) const;

    GridModel* own_;
    GridCells* model_;
    QTableView* view_;
    QAbstractButton* corner_ = nullptr;
    std::vector<int> colWidths_;  // twips, -1 for the default width
    int row_ = 1;
    int col_ = 1;
    int rowSel_ = 1;
    int colSel_ = 1;
    bool selectionShown_ = false;  // the view shows a selection the program asked for
};

}  // namespace ui
