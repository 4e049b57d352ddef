#include "ui/printjob.h"

#include "core/grid/listing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>

namespace ui {

QFont printFont(const QString& family, int pointSize) {
    QFont font(family, pointSize);
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        // Verdana is rarely installed here; DejaVu Sans is its free, equally wide relative.
        font.setFamilies({family, QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    }
    return font;
}

PrinterJob::PrinterJob(std::unique_ptr<QPrinter> printer) : PrinterJob(printer.get()) {
    owned_ = std::move(printer);
}

PrinterJob::PrinterJob(QPrinter* printer)
    : printer_(printer), font_(printFont(analysis::kListingFont, analysis::kListingPointSize)) {}

PrinterJob::~PrinterJob() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PrinterJob::ensureStarted() {
    if (painter_.isActive() || failed_) {
        return !failed_;
    }
    if (!painter_.begin(printer_)) {
        failed_ = true;
        return false;
    }
    painter_.setFont(font_);
    y_ = 0;
    return true;
}

void PrinterJob::setFont(const QString& family, int pointSize) {
    font_ = printFont(family, pointSize);
    if (painter_.isActive()) {
        painter_.setFont(font_);
    }
}

void PrinterJob::printLine(const QString& line) {
    if (!ensureStarted()) {
        return;
    }
    const QFontMetricsF metrics(font_, printer_);
    const QRectF page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    if (y_ + metrics.height() > page.height()) {
        newPage();
    }
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), line);
    y_ += metrics.height();
}

void PrinterJob::newPage() {
    if (!ensureStarted()) {
        return;
    }
    printer_->newPage();
    y_ = 0;
}

void PrinterJob::abort() {
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
    failed_ = true;
}

bool PrinterJob::endDoc() {
    if (!ensureStarted()) {
        return false;
    }
    return painter_.end();
}

bool printPages(PrintJob& job, const QList<QStringList>& pages, ProgressReport* progress) {
    return printPages(job, analysis::pageSourceOf(pages), progress);
}

bool printPages(PrintJob& job, const analysis::PageSource& pages, ProgressReport* progress) {
    job.setFont(analysis::kListingFont, analysis::kListingPointSize);
    for (qsizetype p = 0; p < pages.count; ++p) {
        if (progress && !progress->advance(double(p) / double(pages.count))) {
            job.abort();
            return true;  // abandoned by the user, which is no failure
        }
        if (p > 0) {
            job.newPage();
        }
        for (const QString& line : pages.page(p)) {
            job.printLine(line);
        }
    }
    return job.endDoc();
}

namespace {

bool sayWhenEmpty(QWidget* window, qsizetype pages) {
    if (pages == 0) {
        msgBox(window, QStringLiteral("La liste est vide : il n'y a rien à imprimer."), Buttons::Ok,
               Icon::Information);
    }
    return pages == 0;
}

}  // namespace

void printListing(QWidget* window, const QList<QStringList>& pages) {
    printListing(window, analysis::pageSourceOf(pages));
}

void printListing(QWidget* window, const analysis::PageSource& pages) {
    if (sayWhenEmpty(window, pages.count)) {
        return;
    }
    std::unique_ptr<PrintJob> job = platform().startPrinting(window);
    if (!job) {
        return;  // the user cancelled the printer dialog
    }
    bool printed = false;
    {
        Hourglass hourglass(window);
        const auto progress = platform().startProgress(window, QStringLiteral("Impression..."));
        printed = printPages(*job, pages, progress.get());
    }
    if (!printed) {
        msgBox(window, QStringLiteral("L'impression n'a pas pu être réalisée."), Buttons::Ok,
               Icon::Information);
    }
}

void previewListing(QWidget* window, const QList<QStringList>& pages) {
    if (!sayWhenEmpty(window, pages.size())) {
        platform().showPrintPreview(window, pages);
    }
}

}  // namespace ui
