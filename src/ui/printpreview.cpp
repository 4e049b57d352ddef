#include "ui/printpreview.h"

#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr double kZoomFactors[] = {0.125, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 4.0, 8.0};
constexpr double kZoomStep = 1.25;

// Qt's own preview pictures, or the desktop theme's icon of the same name.
QIcon previewIcon(const QString& name) {
    return QIcon::fromTheme(
        name, QIcon(QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-24.png")
                        .arg(name)));
}

const QLocale& french() {
    static const QLocale locale(QLocale::French, QLocale::France);
    return locale;
}

}  // namespace

QString frenchZoomText(double factor) {
    return french().toString(factor * 100, 'f', 1) + QStringLiteral(" %");
}

std::optional<double> zoomFactorOf(const QString& text) {
    QString number = text;
    number.remove(QLatin1Char('%'));
    number.remove(QChar::Nbsp);
    number.remove(QChar(0x202F));  // narrow no-break space
    number = number.trimmed();
    bool ok = false;
    double percent = french().toDouble(number, &ok);
    if (!ok) {
        percent = QLocale::c().toDouble(number, &ok);
    }
    if (!ok || percent <= 0) {
        return std::nullopt;
    }
    return percent / 100;
}

PrintPreview::PrintPreview(QPrinter* printer, QWidget* parent)
    : QDialog(parent), printer_(printer), preview_(new QPrintPreviewWidget(printer, this)) {
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    setAccessibleName(windowTitle());
    auto* bar = new QToolBar(this);
    buildToolBar(bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(preview_, 1);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &PrintPreview::paintRequested);
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::showState);
    preview_->setFocus();
}

QAction* PrintPreview::addTool(const QString& icon, const QString& text,
                               void (PrintPreview::*slot)()) {
    auto* action = new QAction(previewIcon(icon), text, this);
    action->setToolTip(text);
    connect(action, &QAction::triggered, this, [this, slot] {
        (this->*slot)();
        showState();
    });
    return action;
}

void PrintPreview::buildToolBar(QToolBar* bar) {
    bar->addAction(addTool(QStringLiteral("fit-width"), QStringLiteral("Ajuster à la largeur"),
                           &PrintPreview::fitWidth));
    bar->addAction(addTool(QStringLiteral("fit-page"), QStringLiteral("Ajuster à la page"),
                           &PrintPreview::fitPage));
    zoom_ = new QComboBox(bar);
    zoom_->setEditable(true);
    zoom_->setAccessibleName(QStringLiteral("Zoom"));
    zoom_->setToolTip(QStringLiteral("Zoom"));
    for (const double factor : kZoomFactors) {
        zoom_->addItem(frenchZoomText(factor), factor);
    }
    zoom_->setMinimumContentsLength(8);
    connect(zoom_->lineEdit(), &QLineEdit::returnPressed, this, &PrintPreview::zoomTyped);
    connect(zoom_, &QComboBox::activated, this, [this](int index) {
        preview_->setZoomFactor(zoom_->itemData(index).toDouble());
        showState();
    });
    bar->addWidget(zoom_);
    bar->addAction(addTool(QStringLiteral("zoom-out"), QStringLiteral("Zoom arrière"),
                           &PrintPreview::zoomOut));
    bar->addAction(
        addTool(QStringLiteral("zoom-in"), QStringLiteral("Zoom avant"), &PrintPreview::zoomIn));
    bar->addSeparator();
    bar->addAction(addTool(QStringLiteral("go-first"), QStringLiteral("Première page"),
                           &PrintPreview::firstPage));
    bar->addAction(addTool(QStringLiteral("go-previous"), QStringLiteral("Page précédente"),
                           &PrintPreview::previousPage));
    page_ = new QSpinBox(bar);
    page_->setAccessibleName(QStringLiteral("Page affichée"));
    page_->setToolTip(QStringLiteral("Page affichée"));
    connect(page_, &QSpinBox::valueChanged, this, [this](int page) {
        preview_->setCurrentPage(page);
        showState();
    });
    bar->addWidget(page_);
    pageCount_ = new QLabel(bar);
    bar->addWidget(pageCount_);
    bar->addAction(addTool(QStringLiteral("go-next"), QStringLiteral("Page suivante"),
                           &PrintPreview::nextPage));
    bar->addAction(addTool(QStringLiteral("go-last"), QStringLiteral("Dernière page"),
                           &PrintPreview::lastPage));
    bar->addSeparator();
    bar->addAction(addTool(QStringLiteral("view-page-one"), QStringLiteral("Une page"),
                           &PrintPreview::singlePage));
    bar->addAction(addTool(QStringLiteral("view-page-sided"), QStringLiteral("Pages en vis-à-vis"),
                           &PrintPreview::facingPages));
    bar->addAction(addTool(QStringLiteral("view-page-multi"), QStringLiteral("Toutes les pages"),
                           &PrintPreview::allPages));
    bar->addSeparator();
    QAction* printing =
        addTool(QStringLiteral("print"), QStringLiteral("Imprimer..."), &PrintPreview::print);
    printing->setShortcut(QKeySequence::Print);
    bar->addAction(printing);
    QAction* closing = new QAction(QStringLiteral("Fermer"), this);
    closing->setToolTip(QStringLiteral("Fermer l'aperçu (Échap)"));
    connect(closing, &QAction::triggered, this, &QDialog::reject);
    bar->addAction(closing);
    // A command whose picture this system lacks shows a short name instead of an empty button.
    static const QHash<QString, QString> shortNames = {
        {QStringLiteral("Ajuster à la largeur"), QStringLiteral("Largeur")},
        {QStringLiteral("Ajuster à la page"), QStringLiteral("Page entière")},
        {QStringLiteral("Une page"), QStringLiteral("1 page")},
        {QStringLiteral("Pages en vis-à-vis"), QStringLiteral("2 pages")},
        {QStringLiteral("Toutes les pages"), QStringLiteral("Toutes")},
    };
    for (QAction* action : bar->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            button && action->icon().availableSizes().isEmpty()) {
            action->setIconText(shortNames.value(action->text(), action->text()));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
    }
}

void PrintPreview::fitWidth() {
    preview_->fitToWidth();
}
void PrintPreview::fitPage() {
    preview_->fitInView();
}
void PrintPreview::zoomIn() {
    preview_->zoomIn(kZoomStep);
}
void PrintPreview::zoomOut() {
    preview_->zoomOut(kZoomStep);
}
void PrintPreview::firstPage() {
    preview_->setCurrentPage(1);
}
void PrintPreview::previousPage() {
    preview_->setCurrentPage(preview_->currentPage() - 1);
}
void PrintPreview::nextPage() {
    preview_->setCurrentPage(preview_->currentPage() + 1);
}
void PrintPreview::lastPage() {
    preview_->setCurrentPage(preview_->pageCount());
}
void PrintPreview::singlePage() {
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
}
void PrintPreview::facingPages() {
    preview_->setViewMode(QPrintPreviewWidget::FacingPagesView);
}
void PrintPreview::allPages() {
    preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
}

void PrintPreview::print() {
    QPrintDialog dialog(printer_, this);
    if (dialog.exec() == QDialog::Accepted) {
        preview_->print();
    }
}

void PrintPreview::zoomTyped() {
    if (const std::optional<double> factor = zoomFactorOf(zoom_->lineEdit()->text())) {
        preview_->setZoomFactor(*factor);
    }
    showState();
}

// The zoom and the page shown, after every change the preview makes.
void PrintPreview::showState() {
    zoom_->lineEdit()->setText(frenchZoomText(preview_->zoomFactor()));
    const QSignalBlocker quiet(page_);
    page_->setRange(1, std::max(1, preview_->pageCount()));
    page_->setValue(preview_->currentPage());
    pageCount_->setText(QStringLiteral(" / %1 ").arg(preview_->pageCount()));
    pageCount_->setAccessibleName(QStringLiteral("sur %1 pages").arg(preview_->pageCount()));
}

}  // namespace ui
