#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace ui {

// Cells of a grid whose row 0 and column 0 are fixed headers, as a grid shows them. A model
// addresses cells in grid coordinates (header row and column included) through its accessors;
// the Qt side exposes only the body: model cell (i, j) is grid cell (i + 1, j + 1), horizontal
// header section j is grid cell (0, j + 1) and vertical header section i is grid cell (i + 1, 0).
// Grid cell (0, 0) has no place in the Qt model: cornerChanged() tells when it changes.
// The display role shows texts without their trailing spaces; textAt() keeps them.
class GridCells : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Flex-grid alignment constants: 0..8 are left/centre/right × top/centre/bottom.
    static constexpr int AlignGeneral = 9;

    using QAbstractTableModel::QAbstractTableModel;

    // At least one row and one column: the headers.
    virtual int rows() const = 0;
    virtual int cols() const = 0;
    virtual QString textAt(int row, int col) const = 0;
    // No value: the grid's default text colour.
    virtual std::optional<quint32> foreColorAt(int row, int col) const = 0;
    virtual bool boldAt(int row, int col) const = 0;
    virtual bool italicAt(int row, int col) const = 0;
    // The effective flex-grid alignment.
    virtual int alignmentAt(int row, int col) const = 0;
    // False while changes are held back from the views.
    virtual bool redraw() const { return true; }

    static QColor toQColor(quint32 bgr);
    static Qt::Alignment toQtAlignment(int alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void cornerChanged();

  protected:
    bool contains(int row, int col) const {
        return row >= 0 && row < rows() && col >= 0 && col < cols();
    }
    // Tells the views that one cell changed: the corner, a header section or a body cell.
    void announceCell(int row, int col, int role);

  private:
    QVariant cellData(int row, int col, int role) const;
};

// The cells a grid holds itself, written one at a time through the grid.
class GridModel : public GridCells {
    Q_OBJECT

  public:
    explicit GridModel(QObject* parent = nullptr);

    int rows() const override { return rows_; }
    int cols() const override { return cols_; }
    void setRows(int rows);
    void setCols(int cols);

    QString textAt(int row, int col) const override;
    void setTextAt(int row, int col, const QString& text);
    std::optional<quint32> foreColorAt(int row, int col) const override;
    void setForeColorAt(int row, int col, std::optional<quint32> bgr);
    bool boldAt(int row, int col) const override;
    void setBoldAt(int row, int col, bool bold);
    bool italicAt(int row, int col) const override;
    void setItalicAt(int row, int col, bool italic);
    // The cell's own alignment, else its column's, else general.
    int alignmentAt(int row, int col) const override;
    void setAlignmentAt(int row, int col, int alignment);
    void setColAlignment(int col, int alignment);

    // Empties text and formatting of every cell; counts and column
    // alignments stay.
    void clear();

    // While off, changes emit no signals; turning it back on emits one model reset.
    bool redraw() const override { return redraw_; }
    void setRedraw(bool on);

  private:
    struct Cell {
        QString text;
        quint32 color = 0;
        bool hasColor = false;
        bool bold = false;
        bool italic = false;
        qint8 alignment = -1;  // -1: follows the column
    };

    Cell& cell(int row, int col) { return cells_[std::size_t(row) * cols_ + col]; }
    const Cell& cell(int row, int col) const { return cells_[std::size_t(row) * cols_ + col]; }
    void resizeRows(int rows);
    void resizeCols(int cols);

    std::vector<Cell> cells_;  // row-major, cols_ per row
    std::vector<qint8> colAlignments_;
    int rows_ = 1;
    int cols_ = 1;
    bool redraw_ = true;
};

}  // namespace ui
