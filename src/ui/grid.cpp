#include "ui/grid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/gridmodel.h"

#include <algorithm>
#include <functional>

namespace ui {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kInitialRows = 2;
constexpr int kInitialCols = 2;

// The fixed column: a selected row shows its first cell selected too, like the others.
class RowHeader : public QHeaderView {
  public:
    explicit RowHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

  protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int section) const override {
        QHeaderView::initStyleOptionForIndex(option, section);
        if (selectionModel() && selectionModel()->isRowSelected(section, rootIndex())) {
            option->palette.setBrush(QPalette::Button, palette().brush(QPalette::Highlight));
            option->palette.setBrush(QPalette::Window, palette().brush(QPalette::Highlight));
            option->palette.setBrush(QPalette::ButtonText,
                                     palette().brush(QPalette::HighlightedText));
        }
    }
};

// The table of a grid: moving the current cell with the keyboard is reported as the user's own
// choice of a cell, as a click is.
class GridView : public QTableView {
  public:
    GridView(QWidget* parent, std::function<void(const QModelIndex&)> moved)
        : QTableView(parent), moved_(std::move(moved)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QModelIndex before = currentIndex();
        QTableView::keyPressEvent(event);
        const QModelIndex after = currentIndex();
        if (after.isValid() && after != before) {
            moved_(after);
        }
    }

  private:
    std::function<void(const QModelIndex&)> moved_;
};

}  // namespace

Grid::Grid(QWidget* parent)
    : QWidget(parent),
      own_(new GridModel(this)),
      model_(own_),
      view_(new GridView(this, [this](const QModelIndex& index) { onCellClicked(index); })) {
    own_->setRows(kInitialRows);
    own_->setCols(kInitialCols);
    colWidths_.assign(kInitialCols, -1);
    setUpView();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

void Grid::setUpView() {
    view_->setVerticalHeader(new RowHeader(view_));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setWordWrap(false);
    // Tab leaves the grid for the next control instead of walking through every cell.
    view_->setTabKeyNavigation(false);
    view_->setCornerButtonEnabled(false);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setUpRowHeader();
    corner_ = view_->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_) {
        corner_->installEventFilter(this);
    }
    connect(view_, &QTableView::clicked, this, &Grid::onCellClicked);
    connectModel();
}

// The view and the grid follow the shown model: its resets, its removed rows, its headers and
// its corner cell.
void Grid::connectModel() {
    view_->setModel(model_);
    connect(model_, &GridCells::modelReset, this, &Grid::onModelReset);
    connect(model_, &GridCells::rowsRemoved, this, &Grid::clampCurrent);
    QHeaderView* rowHeader = view_->verticalHeader();
    // QHeaderView locates a changed section by its position, which after a row insert costs a
    // pass over every row: filling the grid row by row would grow quadratic. Its width is
    // fixed, so repainting what is visible is all a change needs. Qt 6.4 connects by
    // signature, later versions by member: each disconnect undoes only its own kind.
    if (!disconnect(model_, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), rowHeader,
                    SLOT(headerDataChanged(Qt::Orientation, int, int)))) {
        disconnect(model_, &QAbstractItemModel::headerDataChanged, rowHeader,
                   &QHeaderView::headerDataChanged);
    }
    connect(model_, &QAbstractItemModel::headerDataChanged, rowHeader,
            [rowHeader](Qt::Orientation orientation) {
                if (orientation == Qt::Vertical) {
                    rowHeader->viewport()->update();
                }
            });
    if (corner_) {
        connect(model_, &GridCells::cornerChanged, corner_, qOverload<>(&QWidget::update));
    }
}

void Grid::showCells(GridCells* cells) {
    GridCells* shown = cells ? cells : own_;
    if (shown == model_) {
        return;
    }
    disconnect(model_, nullptr, this, nullptr);
    disconnect(model_, nullptr, view_->verticalHeader(), nullptr);
    if (corner_) {
        disconnect(model_, nullptr, corner_, nullptr);
    }
    model_ = shown;
    connectModel();
    colWidths_.resize(std::size_t(std::max(model_->cols(), 1)), -1);
    onModelReset();
    clampCurrent();
}

void Grid::setUpRowHeader() {
    // Uniform row heights keep layout and scrolling independent of the row count.
    QHeaderView* rowHeader = view_->verticalHeader();
    const int rowHeight = view_->fontMetrics().height() + 4;
    rowHeader->setMinimumSectionSize(rowHeight);
    rowHeader->setDefaultSectionSize(rowHeight);
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setSectionsClickable(true);
    rowHeader->setHighlightSections(true);
    rowHeader->setFixedWidth(view_->horizontalHeader()->defaultSectionSize());
    connect(rowHeader, &QHeaderView::sectionClicked, this, &Grid::onRowHeaderClicked);
}

int Grid::rows() const {
    return model_->rows();
}

void Grid::setRows(int rows) {
    own_->setRows(rows);
    clampCurrent();
}

int Grid::cols() const {
    return model_->cols();
}

void Grid::setCols(int cols) {
    own_->setCols(cols);
    colWidths_.resize(std::size_t(std::max(model_->cols(), 1)), -1);
    clampCurrent();
}

void Grid::clampCurrent() {
    const int lastRow = rows() - 1;
    const int lastCol = cols() - 1;
    if (row_ > lastRow || rowSel_ > lastRow || col_ > lastCol || colSel_ > lastCol) {
        row_ = std::min(row_, lastRow);
        rowSel_ = std::min(rowSel_, lastRow);
        col_ = std::min(col_, lastCol);
        colSel_ = std::min(colSel_, lastCol);
        if (selectionShown_) {
            showSelection();
        }
    }
}

void Grid::setRow(int row) {
    if (row >= 0 && row < rows()) {
        row_ = row;
        collapseSelection();
    }
}

void Grid::setCol(int col) {
    if (col >= 0 && col < cols()) {
        col_ = col;
        collapseSelection();
    }
}

QString Grid::text() const {
    return model_->textAt(row_, col_);
}

void Grid::setText(const QString& text) {
    own_->setTextAt(row_, col_, text);
}

void Grid::setCellForeColor(quint32 bgr) {
    own_->setForeColorAt(row_, col_, bgr);
}

void Grid::setCellFontBold(bool bold) {
    own_->setBoldAt(row_, col_, bold);
}

void Grid::setCellAlignment(int alignment) {
    own_->setAlignmentAt(row_, col_, alignment);
}

void Grid::setColWidth(int col, int twips) {
    if (col >= 0 && col < int(colWidths_.size()) && twips >= 0) {
        colWidths_[col] = twips;
        applyColWidth(col);
    }
}

void Grid::applyColWidth(int col) {
    const int twips = colWidths_[col];
    if (twips < 0) {
        return;
    }
    if (col == 0) {
        view_->verticalHeader()->setFixedWidth(twipsToPixels(twips));
        view_->doItemsLayout();  // the view's margins follow the header's width
    } else {
        view_->horizontalHeader()->resizeSection(col - 1, twipsToPixels(twips));
    }
}

int Grid::twipsToPixels(int twips) const {
    return qRound(double(twips) * logicalDpiX() / kTwipsPerInch);
}

void Grid::setColAlignment(int col, int alignment) {
    own_->setColAlignment(col, alignment);
}

void Grid::setRowSel(int row) {
    if (row >= 0 && row < rows()) {
        rowSel_ = row;
        showSelection();
    }
}

void Grid::setColSel(int col) {
    if (col >= 0 && col < cols()) {
        colSel_ = col;
        showSelection();
    }
}

void Grid::collapseSelection() {
    rowSel_ = row_;
    colSel_ = col_;
    if (selectionShown_) {
        selectionShown_ = false;
        if (model_->redraw()) {
            view_->selectionModel()->clearSelection();
        }
    }
}

// Selects in the view the body cells of the rectangle from the current cell to the selection
// end. The fixed column is the row header, highlighted by the view when the whole row is.
void Grid::showSelection() {
    selectionShown_ = true;
    if (!model_->redraw()) {
        return;  // shown when redraw comes back on
    }
    const int firstRow = std::max(std::min(row_, rowSel_), 1) - 1;
    const int lastRow = std::max(row_, rowSel_) - 1;
    const int firstCol = std::max(std::min(col_, colSel_), 1) - 1;
    const int lastCol = std::max(col_, colSel_) - 1;
    QItemSelectionModel* selection = view_->selectionModel();
    if (lastRow < firstRow || lastCol < firstCol) {
        selection->clearSelection();
        return;
    }
    selection->select(
        QItemSelection(model_->index(firstRow, firstCol), model_->index(lastRow, lastCol)),
        QItemSelectionModel::ClearAndSelect);
}

void Grid::clear() {
    own_->clear();
}

bool Grid::redraw() const {
    return model_->redraw();
}

void Grid::setRedraw(bool on) {
    if (on == redraw()) {
        return;
    }
    if (!on) {
        view_->setUpdatesEnabled(false);
        own_->setRedraw(false);
        return;
    }
    own_->setRedraw(true);
    view_->setUpdatesEnabled(true);
}

void Grid::onModelReset() {
    for (int col = 0; col < std::min(cols(), int(colWidths_.size())); ++col) {
        applyColWidth(col);
    }
    if (selectionShown_) {
        showSelection();
    }
}

QString Grid::textAt(int row, int col) const {
    return model_->textAt(row, col);
}

void Grid::setTextAt(int row, int col, const QString& text) {
    own_->setTextAt(row, col, text);
}

std::optional<quint32> Grid::foreColorAt(int row, int col) const {
    return model_->foreColorAt(row, col);
}

bool Grid::boldAt(int row, int col) const {
    return model_->boldAt(row, col);
}

int Grid::alignmentAt(int row, int col) const {
    return model_->alignmentAt(row, col);
}

void Grid::setAccessibleName(const QString& name) {
    QWidget::setAccessibleName(name);
    view_->setAccessibleName(name);
}

void Grid::onCellClicked(const QModelIndex& index) {
    makeCurrentByUser(index.row() + 1, index.column() + 1);
}

void Grid::onRowHeaderClicked(int section) {
    makeCurrentByUser(section + 1, 0);
}

void Grid::makeCurrentByUser(int row, int col) {
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
    selectionShown_ = false;  // the view shows the user's own selection
    emit clicked();
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The corner button is drawn as one more header section holding cell (0, 0).
void Grid::paintCorner() {
    QPainter painter(corner_);
    if (model_->boldAt(0, 0)) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
    }
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.palette.setCurrentColorGroup(QPalette::Active);  // the button is disabled, not greyed
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.rect = corner_->rect();
    option.fontMetrics = painter.fontMetrics();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = model_->textAt(0, 0);
    option.textAlignment = GridCells::toQtAlignment(model_->alignmentAt(0, 0));
    if (const auto color = model_->foreColorAt(0, 0)) {
        option.palette.setColor(QPalette::ButtonText, GridCells::toQColor(*color));
    }
    corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
}

}  // namespace ui
