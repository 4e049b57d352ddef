#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace ui {

// Cells of a grid whose row 0 and column 0 are fixed headers. The model addresses cells in
// grid coordinates (header row and column included) through its own accessors; the Qt side
// exposes only the body: model cell (i, j) is grid cell (i + 1, j + 1), horizontal header
// section j is grid cell (0, j + 1) and vertical header section i is grid cell (i + 1, 0).
// Grid cell (0, 0) has no place in the Qt model: cornerChanged() tells when it changes.
// The display role shows texts without their trailing spaces; textAt() keeps them.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Flex-grid alignment constants: 0..8 are left/centre/right × top/centre/bottom.
    static constexpr int AlignGeneral = 9;

    explicit GridModel(QObject* parent = nullptr);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // At least one row and one column remain: the headers.
    void setRows(int rows);
    void setCols(int cols);

    QString textAt(int row, int col) const;
    void setTextAt(int row, int col, const QString& text);
    // No value: the grid's default text colour.
    std::optional<quint32> foreColorAt(int row, int col) const;
    void setForeColorAt(int row, int col, std::optional<quint32> bgr);
    bool boldAt(int row, int col) const;
    void setBoldAt(int row, int col, bool bold);
    bool italicAt(int row, int col) const;
    void setItalicAt(int row, int col, bool italic);
    // The effective flex-grid alignment: the cell's own, else its column's, else general.
    int alignmentAt(int row, int col) const;
    void setAlignmentAt(int row, int col, int alignment);
    void setColAlignment(int col, int alignment);

    // A number the program keeps with each row, moved with nothing and shown nowhere: the
    // analysis grids keep there the word of the text a row analyses. -1 when none was given.
    qint64 rowTag(int row) const;
    void setRowTag(int row, qint64 tag);

    // Empties text and formatting of every cell, and the row tags; counts and column
    // alignments stay.
    void clear();

    // While off, changes emit no signals; turning it back on emits one model reset.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on);

    static QColor toQColor(quint32 bgr);
    static Qt::Alignment toQtAlignment(int alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void cornerChanged();

  private:
    struct Cell {
        QString text;
        quint32 color = 0;
        bool hasColor = false;
        bool bold = false;
        bool italic = false;
        qint8 alignment = -1;  // -1: follows the column
    };

    bool contains(int row, int col) const;
    Cell& cell(int row, int col) { return cells_[std::size_t(row) * cols_ + col]; }
    const Cell& cell(int row, int col) const { return cells_[std::size_t(row) * cols_ + col]; }
    QVariant cellData(int row, int col, int role) const;
    void announceCell(int row, int col, int role);
    void resizeRows(int rows);
    void resizeCols(int cols);

    std::vector<Cell> cells_;  // row-major, cols_ per row
    std::vector<qint8> colAlignments_;
    std::vector<qint64> rowTags_;
    int rows_ = 1;
    int cols_ = 1;
    bool redraw_ = true;
};

}  // namespace ui
