#include "windows/keypads/codingwindow.h"

#include "ui/widgets.h"
#include "windows/about/frmAbout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace keypads {
namespace {

constexpr int kBlockGap = 6;

QLabel* titleBand(QWidget* parent) {
    const QString text = QStringLiteral("Système de codification ");
    auto* band = ui::named(new QLabel(text, parent), QStringLiteral("lblTitre"), text.trimmed());
    QFont font = band->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    band->setFont(font);
    band->setAlignment(Qt::AlignCenter);
    band->setContentsMargins(8, 4, 8, 4);
    band->setStyleSheet(QStringLiteral("background: #1c2f6b; color: #f4e4b0;"));
    return band;
}

}  // namespace

CodingWindow::CodingWindow(const QString& title) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(title);
    setAccessibleName(title);
    buildMenus();
    titleBand_ = titleBand(this);
}

void CodingWindow::buildMenus() {
    const ui::QuitAboutMenus menus = ui::quitAboutMenus(this);
    connect(menus.quitter, &QAction::triggered, this, &CodingWindow::unload);
    connect(menus.about, &QAction::triggered, this, &about::showAboutBox);
}

void CodingWindow::setBody(QLayout* body) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(titleBand_);
    body->setContentsMargins(8, 4, 8, 0);
    layout->addLayout(body);
    setCentralWidget(central);
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* CodingWindow::frame(const QString& name, const QString& caption,
                               const QString& accessibleName, QWidget* parent) {
    return ui::named(new QGroupBox(caption, parent), name, accessibleName);
}

QGridLayout* CodingWindow::rowGrid(QWidget* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setColumnStretch(1, 1);
    return grid;
}

int CodingWindow::addRowLabels(QGridLayout* grid, const Row& row, const QString& suffix) {
    int line = grid->rowCount();
    if (row.opensBlock && grid->count() > 0) {
        grid->setRowMinimumHeight(line++, kBlockGap);
    }
    auto* code = ui::named(new QLabel(row.codeLabel), QStringLiteral("lblCode") + suffix,
                           row.codeLabel.trimmed());
    QFont bold = code->font();
    bold.setBold(true);
    code->setFont(bold);
    auto* description = ui::named(new QLabel(row.description), QStringLiteral("lblDesc") + suffix,
                                  row.description.trimmed());
    grid->addWidget(code, line, 0);
    grid->addWidget(description, line, 1);
    return line;
}

}  // namespace keypads
