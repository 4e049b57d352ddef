#pragma once

#include "core/grid/listing.h"
#include "ui/platform.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

namespace ui {

// Prints lines top to bottom on a Qt printer (a real printer or a PDF file).
class PrinterJob : public PrintJob {
  public:
    explicit PrinterJob(std::unique_ptr<QPrinter> printer);
    // On a printer that someone else owns, such as the one a print preview draws on.
    explicit PrinterJob(QPrinter* printer);
    ~PrinterJob() override;

    void setFont(const QString& family, int pointSize) override;
    void printLine(const QString& line) override;
    void newPage() override;
    bool endDoc() override;
    void abort() override;

  private:
    bool ensureStarted();

    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_;
    QPainter painter_;
    QFont font_;
    qreal y_ = 0;
    bool failed_ = false;
};

// A font the machine has for the family asked for, or a free look-alike.
QFont printFont(const QString& family, int pointSize);

// Prints pages of lines in the listing font; false when the document could not be produced.
bool printPages(PrintJob& job, const QList<QStringList>& pages, ProgressReport* progress = nullptr);
bool printPages(PrintJob& job, const analysis::PageSource& pages,
                ProgressReport* progress = nullptr);

// The print command of every window: asks for a printer (cancelling prints nothing), prints
// the pages under the hourglass and says so when the document could not be produced. With no
// page to print it says so, and neither asks for a printer nor sends an empty document.
void printListing(QWidget* window, const QList<QStringList>& pages);
void printListing(QWidget* window, const analysis::PageSource& pages);

// The preview command of every window: the very pages that printing sends, in a preview window
// from which they can also be printed.
void previewListing(QWidget* window, const QList<QStringList>& pages);

}  // namespace ui
