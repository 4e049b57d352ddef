#include "core/grid/listing.h"
#include "support/testenv.h"
#include "ui/printjob.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The listing printed through the real Qt printer into a PDF file, read back with poppler.
class TestPrintingPdf : public QObject {
    Q_OBJECT

  private slots:
    void listingPrintsIntoPdf();
    void previewShowsThePrintedPages();

  private:
    static QString run(const QString& program, const QStringList& args);
    TestDataHome home_;
};

QString TestPrintingPdf::run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestPrintingPdf::listingPrintsIntoPdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("poppler-utils is not installed");
    }
    std::vector<analysis::GridRowTexts> rows;
    for (int i = 1; i <= 23; ++i) {
        rows.push_back({QStringLiteral("forma%1").arg(i), QStringLiteral("lemma"),
                        QStringLiteral("la traduction éèà"), QStringLiteral("N1"),
                        QStringLiteral("nom. f. sg."), QStringLiteral("_"), QStringLiteral("*")});
    }
    const QString pdf = home_.file(QStringLiteral("analyse.pdf"));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    ui::PrinterJob job(std::move(printer));
    QVERIFY(ui::printPages(job, analysis::analysisListing(rows)));

    QVERIFY(run(QStringLiteral("pdfinfo"), {pdf})
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[0].contains(QStringLiteral("Formes: forma1\n")));
    QVERIFY(pages[0].contains(QStringLiteral("Formes: forma10\n")));
    QVERIFY(!pages[0].contains(QStringLiteral("forma11\n")));
    QVERIFY(pages[2].contains(QStringLiteral("Formes: forma23")));
    QCOMPARE(pages[2].count(QStringLiteral("Formes: ")), 3);
    QVERIFY(pages[1].contains(QStringLiteral("Traduction : la traduction éèà")));
    QVERIFY(pages[1].contains(QStringLiteral("Cas, genre, nombre : nom. f. sg.")));
    QVERIFY(pages[1].contains(QString(64, QLatin1Char('-'))));
    QVERIFY(!text.contains(QStringLiteral("*")));
}

// The preview draws its pages with the very job that prints: as many pages as the listing has,
// as many as go to the printer.
void TestPrintingPdf::previewShowsThePrintedPages() {
    std::vector<analysis::GridRowTexts> rows(25);
    const QList<QStringList> pages = analysis::analysisListing(rows);
    QCOMPARE(pages.size(), 3);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    connect(&preview, &QPrintPreviewWidget::paintRequested, &preview, [&](QPrinter* target) {
        ui::PrinterJob job(target);
        ui::printPages(job, pages);
    });
    preview.updatePreview();
    QCOMPARE(preview.pageCount(), 3);

    const QString pdf = home_.file(QStringLiteral("apercu.pdf"));
    auto file = std::make_unique<QPrinter>(QPrinter::HighResolution);
    file->setOutputFormat(QPrinter::PdfFormat);
    file->setOutputFileName(pdf);
    ui::PrinterJob job(std::move(file));
    QVERIFY(ui::printPages(job, pages));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QVERIFY(run(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    }
}

QTEST_MAIN(TestPrintingPdf)
#include "test_printing_pdf.moc"
