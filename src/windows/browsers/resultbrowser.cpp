#include "windows/browsers/resultbrowser.h"

#include "core/grid/gridrows.h"
#include "ui/exportcsv.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/printjob.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"

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

constexpr int kCentre = 4;
constexpr int kLeftTop = 0;
constexpr int kDesignRows = 2;
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
int fixedColumnTwips(const Grid* grid, const std::vector<QStringList>& rows) {
    QFont bold = grid->view()->verticalHeader()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QStringList& row : rows) {
        widest = std::max(widest, metrics.horizontalAdvance(row.value(0)));
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
        return a;
    };
    fichier = menu(nullptr, QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    imprimer = item(fichier, QStringLiteral("imprimer"), QStringLiteral("&Imprimer"),
                    &ResultBrowser::imprimer_Click);
    apercu = item(fichier, QStringLiteral("apercu"), QStringLiteral("A&perçu avant impression..."),
                  &ResultBrowser::apercu_Click);
    exporter = item(fichier, QStringLiteral("exporter"), QStringLiteral("E&xporter en CSV..."),
                    &ResultBrowser::exporter_Click);
    fichier->addSeparator();
    quitter = item(fichier, QStringLiteral("quitter"), QStringLiteral("&Quitter"),
                   &ResultBrowser::quitter_Click);
    recherche = menu(nullptr, QStringLiteral("recherche"), QStringLiteral("&Recherche"));
    alphabet = menu(recherche, QStringLiteral("alphabet"), QStringLiteral("&Alphabétique"));
    for (char c = 'a'; c <= 'z'; ++c) {
        const QChar letter = QLatin1Char(c);
        letterItems << item(alphabet, QStringLiteral("l") + letter,
                            QStringLiteral("&") + letter.toUpper(),
                            [this, letter] { letter_Click(letter); });
    }
    aide = menu(nullptr, QStringLiteral("aide"), QStringLiteral("&Aide"));
    about = item(aide, QStringLiteral("about"), QStringLiteral("&A propos de"),
                 &ResultBrowser::about_Click);
}

void ResultBrowser::buildBody() {
    auto* central = new QWidget(this);
    const ShadowTitle title = programTitle(central);
    Label1 = title.face;
    Label2 = title.shadow;

    Frame1 = named(new QGroupBox(design_.searchFrame, central), QStringLiteral("Frame1"),
                   design_.searchFrame);
    Text1 = named(new QLineEdit(Frame1), QStringLiteral("Text1"), design_.searchWhat);
    Text1->setMinimumWidth(260);
    const QString search = QStringLiteral("Rechercher");
    Command1 =
        named(new QPushButton(searchIcon(), QString(), Frame1), QStringLiteral("Command1"), search);
    Command1->setToolTip(search);
    Command1->setIconSize(QSize(22, 22));
    auto* frame1Layout = new QHBoxLayout(Frame1);
    frame1Layout->addWidget(Text1, 1);
    frame1Layout->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, &ResultBrowser::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &ResultBrowser::Command1_Click);
    searchRow = new QHBoxLayout;
    searchRow->addWidget(Frame1);
    searchRow->addStretch(1);

    const QString results = QStringLiteral("Résultat de la recherche :");
    Frame2 = named(new QGroupBox(results, central), QStringLiteral("Frame2"), results);
    grille02 = named(new Grid(Frame2), QStringLiteral("grille02"), results);
    grille02->setAccessibleName(results);
    grille02->setCols(static_cast<int>(design_.headers.size()));
    grille02->setRows(kDesignRows);
    grille02->view()->horizontalHeader()->setStretchLastSection(true);
    Labelgrille =
        named(new QLabel(design_.message, Frame2), QStringLiteral("Labelgrille"), design_.message);
    Labelgrille->setAlignment(Qt::AlignCenter);
    Labelgrille->setWordWrap(true);
    Labelgrille->setStyleSheet(QStringLiteral("QLabel { color: #800000; font-weight: bold; }"));
    Labelgrille->hide();
    auto* frame2Layout = new QVBoxLayout(Frame2);
    frame2Layout->addWidget(grille02, 1);
    frame2Layout->addWidget(Labelgrille, 1);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addLayout(searchRow);
    layout->addWidget(Frame2, 1);
    setCentralWidget(central);
}

void ResultBrowser::headerSetUp() {
    grille02->setRow(0);
    for (int c = 0; c < grille02->cols(); ++c) {
        grille02->setCol(c);
        grille02->setText(design_.headers.value(c));
        grille02->setCellAlignment(kCentre);
        // A designed width is widened where the header text would not show whole.
        const int width = design_.widths.value(c, kDefaultWidth);
        if (width != kDefaultWidth) {
            grille02->setColWidth(c, std::max(width, headerTwips(grille02, design_.headers[c])));
        }
    }
    grille02->setColAlignment(4, kLeftTop);
}

void ResultBrowser::showListing(const QString& message, const std::vector<QStringList>& rows) {
    setLabelText(Labelgrille, message);
    Labelgrille->hide();
    grille02->show();
    // Filled with the view switched off: one refresh at the end, however many rows.
    grille02->setRedraw(false);
    grille02->clear();
    headerSetUp();
    grille02->setRows(kDesignRows);
    grille02->setRows(kDesignRows + static_cast<int>(rows.size()));
    GridModel* model = grille02->cells();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        for (int c = 0; c < rows[i].size(); ++c) {
            model->setTextAt(r, c, rows[i][c]);
        }
        model->setBoldAt(r, 0, true);
        model->setForeColorAt(r, 0, analysis::kFormColour);
    }
    const int fixedWidth = design_.widths.value(0, kDefaultWidth);
    if (fixedWidth != kDefaultWidth) {
        grille02->setColWidth(0, std::max(fixedWidth, fixedColumnTwips(grille02, rows)));
    }
    rowCounter = static_cast<int>(rows.size()) + 1;
    grille02->setRedraw(true);
    grille02->view()->scrollToTop();
    if (rowCounter == 1) {
        grille02->hide();
        Labelgrille->show();
    }
}

std::vector<QStringList> ResultBrowser::resultRows() const {
    std::vector<QStringList> rows;
    for (int r = 1; r <= grille02->rows() - 2; ++r) {
        QStringList cells;
        for (int c = 0; c < grille02->cols(); ++c) {
            cells << grille02->textAt(r, c);
        }
        rows.push_back(cells);
    }
    return rows;
}

void ResultBrowser::letter_Click(QChar letter) {
    Hourglass hourglass(this);
    lastListing_ = {LastListing::Letter, letter, {}};
    showListing(kNothingForLetter, rowsWithInitial(letter));
}

void ResultBrowser::Command1_Click() {
    Hourglass hourglass(this);
    lastListing_ = {LastListing::Form, {}, Text1->text()};
    showListing(kNothingForForm, rowsFoundFor(lastListing_.text));
}

void ResultBrowser::listAgain() {
    Hourglass hourglass(this);
    switch (lastListing_.kind) {
        case LastListing::Letter:
            showListing(kNothingForLetter, rowsWithInitial(lastListing_.letter));
            break;
        case LastListing::Form:
            showListing(kNothingForForm, rowsFoundFor(lastListing_.text));
            break;
        case LastListing::None:
            break;
    }
}

void ResultBrowser::imprimer_Click() {
    printListing(this, printedPages(resultRows()));
}

void ResultBrowser::apercu_Click() {
    previewListing(this, printedPages(resultRows()));
}

void ResultBrowser::exporter_Click() {
    const std::vector<QStringList> rows = resultRows();
    exportCsv(this, design_.headers, QList<QStringList>(rows.begin(), rows.end()));
}

void ResultBrowser::quitter_Click() {
    close();
}

void ResultBrowser::about_Click() {
    about::showAboutBox();
}

}  // namespace ui
