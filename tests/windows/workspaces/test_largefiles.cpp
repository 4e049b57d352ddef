// The files written for a text as large as a book: the analysis file and the CSV export of a
// 1 MB text, as analysed and after fixed sequences of edits and of completion, compared byte for
// byte with what the program wrote before its rows were kept as edits and stored compactly.

#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/largetext.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/grid.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using analysis::frmanalyse;

namespace {

constexpr qint64 k1MB = 1024 * 1024;

// "size sha256" of a file, read as a stream: the analysis file is tens of megabytes.
QString fingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("unreadable ") + path;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        return QStringLiteral("unreadable ") + path;
    }
    return QString::number(file.size()) + QLatin1Char(' ') +
           QString::fromLatin1(hash.result().toHex());
}

// What the program wrote before its rows were kept as edits and stored compactly (commit
// 50ba1a0), by these same steps on the same data: "size sha256" of the analysis file, then of
// the CSV export. This file builds unchanged in that commit's tree, where it wrote them.
const QStringList kBaseAnalysed = {
    QStringLiteral("79202888 69cb980bc3b5cf1c302eaa455ea5dff8052d3deadf2f72b7bcf7a12b5dbd94c9"),
    QStringLiteral("19541983 ede6649f5f88d30396db5a7a41bffd7f165f8db89d2395e9b23e5fe869d878e8")};
const QStringList kBaseEdited = {
    QStringLiteral("77643316 c9f2ceadf2c6183aefb86ff1e1a8ac4a2fcd5609ad4fff43681bccc626f49457"),
    QStringLiteral("19241436 3a166881a5d6dc889bafa02d2a9c1bd19467d2d4d53cb8eaa059ddf261147430")};
const QStringList kCompleted = {
    QStringLiteral("93760710 e69618947fbf5262aba765ac211e7dcaafc5977193ef11652bd5b0aa825e2d80"),
    QStringLiteral("23673538 312ba0c1131d1a0aaf8c8cc9353446d0d792db396b847a9c1b92093e25eaca39")};

// A thesaurus that knows three forms of the text: every other one is completed from the
// morphology database.
const std::vector<Analysis> kFewForms = {
    {"qui", "DP", "qui", "nom. m. sg.", "_", "qui"},
    {"qui", "DP", "qui", "nom. m. pl.", "_", "qui (pl.)"},
    {"est", "V6", "sum", "3 sg.", "ind. prés.", "il est"},
    {"in", "PRE", "in", "_", "_", "dans"},
};

ui::Grid* grid(const frmanalyse* ws) {
    return drive::child<ui::Grid>(ws, "grille01");
}

int gridRows(const frmanalyse* ws) {
    return grid(ws)->rows() - 1;
}

// The second row of the first occurrence of `form` that has several analyses.
int secondAnalysisOf(const frmanalyse* ws, const QString& form) {
    const ui::Grid* g = grid(ws);
    for (int row = 1; row + 1 < g->rows(); ++row) {
        if (g->textAt(row, 0).trimmed() == form && g->textAt(row + 1, 0).trimmed() == form) {
            return row + 1;
        }
    }
    return -1;
}

void keepEverywhere(frmanalyse* ws, int row) {
    drive::clickRow(ws, row);
    drive::action(ws, "garderPartout")->trigger();
    qInfo("%s", qPrintable(ws->statusBar()->currentMessage()));
}

void deleteRow(frmanalyse* ws, int row) {
    drive::clickRow(ws, row);
    drive::button(ws, "Command3")->click();
}

void duplicateRow(frmanalyse* ws, int row) {
    drive::clickRow(ws, row);
    drive::action(ws, "dupliquer")->trigger();
}

// A row validated with another translation and case: a row that holds its own texts, with
// letters the analysis file writes in its own code page.
void validateEdited(frmanalyse* ws, int row) {
    drive::clickRow(ws, row);
    drive::textField(ws, "Text3")->setPlainText(QStringLiteral("traduction revue – « œuvre »"));
    drive::textField(ws, "Text5")->setPlainText(QStringLiteral("gén. m. pl."));
    drive::button(ws, "Command2")->click();
}

void undoThenRedo(frmanalyse* ws, int steps) {
    for (int step = 0; step < steps; ++step) {
        drive::action(ws, "annuler")->trigger();
    }
    for (int step = 0; step < steps; ++step) {
        drive::action(ws, "retablir")->trigger();
    }
}

}  // namespace

class TestLargeFiles : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void baseThesaurusFilesMatchTheEarlierProgram();
    void completedFilesMatchTheEarlierProgram();

  private:
    frmanalyse* openWithBaseThesaurus(const QString& text);
    // Saves the analysis and exports the CSV under `name`.dat and `name`.csv: their
    // fingerprints. The files go at once: the analysis file of a 1 MB text is 80 MB.
    QStringList writeBoth(frmanalyse* ws, const QString& name);

    TestDataHome home_;
    QTemporaryDir files_;
    std::unique_ptr<FakePlatform> platform_;
};

void TestLargeFiles::init() {
    startClean(platform_, home_);
    QVERIFY(home_.installShippedData());
    QVERIFY(files_.isValid());
}

void TestLargeFiles::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse* TestLargeFiles::openWithBaseThesaurus(const QString& text) {
    drive::mainWindowWithText(text);
    drive::button(drive::openThesaurusChoice(), "Command1")->click();
    return drive::workspace();
}

QStringList TestLargeFiles::writeBoth(frmanalyse* ws, const QString& name) {
    const QString dat = files_.filePath(name + QStringLiteral(".dat"));
    const QString csv = files_.filePath(name + QStringLiteral(".csv"));
    platform_->fileNames.push_back(dat);
    drive::action(ws, "Enregistrer")->trigger();
    platform_->fileNames.push_back(csv);
    drive::action(ws, "exporter")->trigger();
    const QStringList written{fingerprint(dat), fingerprint(csv)};
    qInfo("%s: %d rows\n%s", qPrintable(name), gridRows(ws),
          qPrintable(written.join(QLatin1Char('\n'))));
    QFile::remove(dat);
    QFile::remove(csv);
    return written;
}

// The rows as read from the base thesaurus, then keep-all of a frequent ambiguous form, a
// deletion, a duplication and an edited row, the last two undone and redone.
void TestLargeFiles::baseThesaurusFilesMatchTheEarlierProgram() {
    frmanalyse* ws = openWithBaseThesaurus(largetext::upTo(k1MB));
    QVERIFY(ws);
    QVERIFY(QTest::qWaitForWindowExposed(ws));
    const QStringList analysed = writeBoth(ws, QStringLiteral("analysed"));

    const int chosen = secondAnalysisOf(ws, QStringLiteral("qui"));
    QVERIFY(chosen > 0);
    keepEverywhere(ws, chosen);
    deleteRow(ws, 3);
    duplicateRow(ws, 10);
    validateEdited(ws, 20);
    undoThenRedo(ws, 2);
    const QStringList edited = writeBoth(ws, QStringLiteral("edited"));

    QCOMPARE(analysed, kBaseAnalysed);
    QCOMPARE(edited, kBaseEdited);
}

// A thesaurus that lacks most forms: the completion proposes the database's analyses for every
// other occurrence, and keep-all, deletion, undo and redo then work on those rows.
void TestLargeFiles::completedFilesMatchTheEarlierProgram() {
    const QString few = home_.file(QStringLiteral("peu.dat"));
    writeThesaurus(few, kFewForms);
    frmanalyse* ws = drive::analyseWithThesaurus(*platform_, largetext::upTo(k1MB), few);
    QVERIFY(ws);
    QVERIFY(QTest::qWaitForWindowExposed(ws));
    drive::action(ws, "completer")->trigger();
    qInfo("%s", qPrintable(ws->statusBar()->currentMessage()));
    const int chosen = secondAnalysisOf(ws, QStringLiteral("Gallia"));
    QVERIFY(chosen > 0);
    keepEverywhere(ws, chosen);
    deleteRow(ws, 3);
    undoThenRedo(ws, 3);
    QCOMPARE(writeBoth(ws, QStringLiteral("completed")), kCompleted);
}

QTEST_MAIN(TestLargeFiles)
#include "test_largefiles.moc"
