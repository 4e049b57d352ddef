#include "windows/browsers/resultbrowser.h"

#include "core/grid/gridrows.h"
#include "ui/exportcsv.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/printjob.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"
#include "windows/browsers/resultcells.h"
#include "windows/browsers/resultrows.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

constexpr int kTwipsPerInch = 1440;

// The picture of the search buttons: a magnifying glass.
QIcon searchIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1c, 0x2f, 0x6b), 2.5));
    p.setBrush(QColor(0xe8, 0xee, 0xfa));
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(QColor(0x1c, 0x2f, 0x6b), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20.5, 20.5));
    return QIcon(pixmap);
}

// The width in twips a header text needs to show whole in the grid's header.
int headerTwips(const Grid* grid, const QString& text) {
    const QHeaderView* header = grid->view()->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int pixels = header->fontMetrics().horizontalAdvance(text) + 2 * margin + 6;
    return pixels * kTwipsPerInch / std::max(1, grid->logicalDpiX());
}

// The width in twips the fixed column needs to show every bold form of these rows whole; the
// user cannot widen that column.
int fixedColumnTwips(const Grid* grid, const ResultRowsModel& rows) {
    QFont bold = grid->view()->verticalHeader()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        widest = std::max(widest, metrics.horizontalAdvance(rows.textAt(r, 0)));
    }
    return (widest + 12) * kTwipsPerInch / std::max(1, grid->logicalDpiX());
}

}  // namespace

ResultBrowser::ResultBrowser(const BrowserDesign& design) : design_(design) {
    setWindowTitle(design.caption);
    setAccessibleName(design.caption);
    buildMenus();
    buildBody();
    resize(840, 640);
}

void ResultBrowser::buildMenus() {
    auto menu = [this](QMenu* parent, const QString& name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* m, const QString& name, const QString& caption, auto handler) {
        QAction* a = menuAction(this, name, caption);
        m->addAction(a);
        connect(a, &QAction::triggered, this, handler);
    };
    QMenu* file = menu(nullptr, QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    item(file, QStringLiteral("imprimer"), QStringLiteral("&Imprimer"), &ResultBrowser::print);
    item(file, QStringLiteral("apercu"), QStringLiteral("A&perçu avant impression..."),
         &ResultBrowser::preview);
    item(file, QStringLiteral("exporter"), QStringLiteral("E&xporter en CSV..."),
         &ResultBrowser::exportListing);
    file->addSeparator();
    item(file, QStringLiteral("quitter"), QStringLiteral("&Quitter"), &ResultBrowser::close);
    searchMenu_ = menu(nullptr, QStringLiteral("recherche"), QStringLiteral("&Recherche"));
    QMenu* alphabet =
        menu(searchMenu_, QStringLiteral("alphabet"), QStringLiteral("&Alphabétique"));
    for (char c = 'a'; c <= 'z'; ++c) {
        const QChar letter = QLatin1Char(c);
        item(alphabet, QStringLiteral("l") + letter, QStringLiteral("&") + letter.toUpper(),
             [this, letter] { listByInitial(letter); });
    }
    QMenu* help = menu(nullptr, QStringLiteral("aide"), QStringLiteral("&Aide"));
    item(help, QStringLiteral("about"), QStringLiteral("&A propos de"), &about::showAboutBox);
}

void ResultBrowser::buildBody() {
    auto* central = new QWidget(this);
    const ShadowTitle title = programTitle(central);

    searchFrame_ = named(new QGroupBox(design_.searchFrame, central), QStringLiteral("Frame1"),
                         design_.searchFrame);
    searchField_ = named(new QLineEdit(searchFrame_), QStringLiteral("Text1"), design_.searchWhat);
    searchField_->setMinimumWidth(260);
    const QString search = QStringLiteral("Rechercher");
    searchButton_ = named(new QPushButton(searchIcon(), QString(), searchFrame_),
                          QStringLiteral("Command1"), search);
    searchButton_->setToolTip(search);
    searchButton_->setIconSize(QSize(22, 22));
    auto* frame1Layout = new QHBoxLayout(searchFrame_);
    frame1Layout->addWidget(searchField_, 1);
    frame1Layout->addWidget(searchButton_);
    connect(searchButton_, &QPushButton::clicked, this, &ResultBrowser::searchTypedText);
    connect(searchField_, &QLineEdit::returnPressed, this, &ResultBrowser::searchTypedText);
    searchRow_ = new QHBoxLayout;
    searchRow_->addWidget(searchFrame_);
    searchRow_->addStretch(1);

    const QString results = QStringLiteral("Résultat de la recherche :");
    resultFrame_ = named(new QGroupBox(results, central), QStringLiteral("Frame2"), results);
    resultGrid_ = named(new Grid(resultFrame_), QStringLiteral("grille02"), results);
    resultGrid_->setAccessibleName(results);
    resultGrid_->view()->horizontalHeader()->setStretchLastSection(true);
    resultMessage_ = named(new QLabel(design_.message, resultFrame_), QStringLiteral("Labelgrille"),
                           design_.message);
    resultMessage_->setAlignment(Qt::AlignCenter);
    resultMessage_->setWordWrap(true);
    resultMessage_->setStyleSheet(QStringLiteral("QLabel { color: #800000; font-weight: bold; }"));
    resultMessage_->hide();
    auto* frame2Layout = new QVBoxLayout(resultFrame_);
    frame2Layout->addWidget(resultGrid_, 1);
    frame2Layout->addWidget(resultMessage_, 1);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addLayout(searchRow_);
    layout->addWidget(resultFrame_, 1);
    setCentralWidget(central);
}

void ResultBrowser::showRowsOf(ResultRowsModel* rows) {
    rows_ = rows;
    cells_ = new ResultCells(rows, static_cast<int>(design_.headers.size()), this);
    resultGrid_->showCells(cells_);
}

void ResultBrowser::headerSetUp() {
    cells_->showHeaders(design_.headers);
    // No row is taken until the user clicks one.
    resultGrid_->setRow(0);
    // A designed width is widened where the header text would not show whole.
    for (int c = 0; c < resultGrid_->cols(); ++c) {
        const int width = design_.widths.value(c, kDefaultWidth);
        if (width != kDefaultWidth) {
            resultGrid_->setColWidth(c,
                                     std::max(width, headerTwips(resultGrid_, design_.headers[c])));
        }
    }
}

void ResultBrowser::showListing(const QString& message) {
    setLabelText(resultMessage_, message);
    resultMessage_->hide();
    resultGrid_->show();
    const int fixedWidth = design_.widths.value(0, kDefaultWidth);
    if (fixedWidth != kDefaultWidth) {
        resultGrid_->setColWidth(0, std::max(fixedWidth, fixedColumnTwips(resultGrid_, *rows_)));
    }
    resultGrid_->view()->scrollToTop();
    if (rows_->rowCount() == 0) {
        resultGrid_->hide();
        resultMessage_->show();
    }
}

std::vector<QStringList> ResultBrowser::resultRows() const {
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(rows_->rowCount()));
    for (int r = 0; r < rows_->rowCount(); ++r) {
        rows.push_back(rows_->cellsAt(r));
    }
    return rows;
}

void ResultBrowser::listByInitial(QChar letter) {
    Hourglass hourglass(this);
    lastListing_ = {LastListing::Letter, letter, {}};
    listWithInitial(letter);
    showListing(kNothingForLetter);
}

void ResultBrowser::searchTypedText() {
    Hourglass hourglass(this);
    lastListing_ = {LastListing::Form, {}, searchField_->text()};
    listFoundFor(lastListing_.text);
    showListing(kNothingForForm);
}

void ResultBrowser::listAgain() {
    Hourglass hourglass(this);
    switch (lastListing_.kind) {
        case LastListing::Letter:
            listWithInitial(lastListing_.letter);
            showListing(kNothingForLetter);
            break;
        case LastListing::Form:
            listFoundFor(lastListing_.text);
            showListing(kNothingForForm);
            break;
        case LastListing::None:
            break;
    }
}

void ResultBrowser::print() {
    printListing(this, printedPages(resultRows()));
}

void ResultBrowser::preview() {
    previewListing(this, printedPages(resultRows()));
}

void ResultBrowser::exportListing() {
    const std::vector<QStringList> rows = resultRows();
    exportCsv(this, design_.headers, QList<QStringList>(rows.begin(), rows.end()));
}

}  // namespace ui
