#include "core/grid/analysisfile.h"
#include "core/morphology/morphology.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"
#include "windows/workspaces/frmanalyse02.h"
#include "windows/workspaces/proposalspanel.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

// The list "Analyses proposées" and the command "Compléter les formes absentes" in the analysis
// workspace, on the database the build made (from the hand-written analyses, or from the whole
// Latin lexical data).
using analysis::frmanalyse;

namespace {

const QString kText = QStringLiteral("Rosamque amat xyzzy");

QStringList detail(const frmanalyse* ws) {
    return {
        drive::lineField(ws, "Text1")->text(),        drive::textField(ws, "Text2")->toPlainText(),
        drive::textField(ws, "Text3")->toPlainText(), drive::textField(ws, "Text4")->toPlainText(),
        drive::textField(ws, "Text5")->toPlainText(), drive::textField(ws, "Text6")->toPlainText()};
}

QString buildDatabase() {
    return QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR))
        .filePath(analysis::MorphologyDatabase::kFileName);
}

}  // namespace

class TestProposals : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void clickedFormShowsItsProposals();
    void choosingFillsTheDetailFieldsForValidation();
    void completionProposesRowsWithoutWritingAnything();
    void missingDatabaseLeavesTheWorkspaceAsItWas();
    void cancellingLeavesTheGridAsItWas();
    void savedAnalysisWorkspaceProposesToo();

  private:
    frmanalyse* open(const QString& text);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestProposals::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    writeThesaurus(records::paths::baseThesaurus(), {});
    mine_ = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine_, {});
}

void TestProposals::cleanup() {
    drive::closeAll();
    analysis::useMorphologyDatabase(buildDatabase());
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmanalyse* TestProposals::open(const QString& text) {
    return drive::analyseWithThesaurus(*platform_, text, mine_);
}

void TestProposals::clickedFormShowsItsProposals() {
    frmanalyse* ws = open(kText);
    QListWidget* list = drive::child<QListWidget>(ws, "lstPropositions");
    QCOMPARE(drive::proposalsPanel(ws)->title(), u"Analyses proposées"_qs);
    QCOMPARE(list->count(), 0);
    // The command comes after the specified one, before the later additions.
    QCOMPARE(drive::menu(ws, "edition")->actions().first(), drive::action(ws, "dupliquer"));
    QCOMPARE(drive::menu(ws, "edition")->actions().at(1), drive::action(ws, "completer"));
    QCOMPARE(drive::action(ws, "completer")->text(), u"&Compléter les formes absentes"_qs);

    drive::clickRow(ws, 1);  // Rosamque, not in the thesaurus: rosam + -que
    QVERIFY(list->count() >= 1);
    QCOMPARE(list->item(0)->text(), u"rosa (N1) acc. f. sg. + -que – la rose"_qs);
    QCOMPARE(drive::child<QLabel>(ws, "lblPropositions")->text(),
             list->count() == 1 ? u"1 analyse proposée pour « Rosamque » (double-clic ou Entrée "
                                  u"pour la reprendre)."_qs
                                : QStringLiteral("%1 analyses proposées pour « Rosamque » "
                                                 "(double-clic ou Entrée pour la reprendre).")
                                      .arg(list->count()));
    drive::clickRow(ws, 3);
    QCOMPARE(list->count(), 0);
    QCOMPARE(drive::child<QLabel>(ws, "lblPropositions")->text(),
             u"Aucune analyse proposée pour « xyzzy »."_qs);
    QVERIFY(platform_->messages.isEmpty());
}

void TestProposals::choosingFillsTheDetailFieldsForValidation() {
    frmanalyse* ws = open(kText);
    const QByteArray empty = readFile(mine_);
    drive::clickRow(ws, 2);  // amat
    QListWidget* list = drive::child<QListWidget>(ws, "lstPropositions");
    QVERIFY(list->count() >= 1);
    QCOMPARE(list->item(0)->text(), u"amo (V1) 3 sg. ind. prés. act. – il aime"_qs);
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(drive::textField(ws, "Text2")->toPlainText(),
             u"_"_qs);  // a single click only selects the line
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(detail(ws), (QStringList{"amat", "amo", "il aime", "V1", "3 sg.", "ind. prés. act."}));
    // Chosen, not validated: neither the grid nor the thesaurus changed.
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 1), u"_"_qs);
    QCOMPARE(readFile(mine_), empty);

    drive::clickRow(ws, 1);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(detail(ws),
             (QStringList{"Rosamque", "rosa", "la rose + -que", "N1", "acc. f. sg.", "_"}));
    QVERIFY(!list->item(0)->text().startsWith(u"✓"_qs));
    // Validation stores it into the user's thesaurus as any typed analysis, and the list then
    // marks it as shown in the grid.
    drive::button(ws, "Command2")->click();
    QVERIFY(platform_->messages.isEmpty());
    const auto stored = records::readAllRecords<records::ThesaurusRecord>(mine_);
    QCOMPARE(stored.value().size(), std::size_t(1));
    const records::ThesaurusRecord& r = stored.value()[0];
    QStringList fields;
    for (const QString& f : {r.form(), r.lemma(), r.translation(), r.category(),
                             r.caseGenderNumber(), r.moodTenseVoice()}) {
        fields << records::trimmedRight(f);
    }
    QCOMPARE(fields, (QStringList{"Rosamque", "rosa", "la rose + -que", "N1", "acc. f. sg.", "_"}));
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 1),
             (QStringList{"Rosamque|b|c00000", "rosa", "la rose + -que", "N1", "acc. f. sg.", "_",
                          "*"}));
    QCOMPARE(list->item(0)->text(), u"✓ rosa (N1) acc. f. sg. + -que – la rose"_qs);
}

void TestProposals::completionProposesRowsWithoutWritingAnything() {
    frmanalyse* ws = open(kText);
    const QByteArray before = readFile(mine_);
    drive::clickRow(ws, 1);
    const int rosamque = drive::child<QListWidget>(ws, "lstPropositions")->count();
    drive::clickRow(ws, 3);  // xyzzy: it keeps its not-found row
    drive::action(ws, "completer")->trigger();

    ui::Grid* g = drive::analysisGrid(ws);
    QCOMPARE(g->rows(), 1 + rosamque + 1 + 1);
    const QString ambiguous = rosamque > 1 ? u"|0080ff"_qs : QString();
    QCOMPARE(drive::rowCells(g, 1),
             (QStringList{"Rosamque|b|c00000", "rosa" + ambiguous, "la rose + -que" + ambiguous,
                          "N1" + ambiguous, "acc. f. sg." + ambiguous, "_" + ambiguous, "*"}));
    const int amat = rosamque + 1;
    QCOMPARE(drive::rowCells(g, amat), (QStringList{"amat|b|c00000", "amo", "il aime", "V1",
                                                    "3 sg.", "ind. prés. act.", "*"}));
    QCOMPARE(drive::rowCells(g, amat + 1),
             (QStringList{"xyzzy|b|c00000", "_", "_", "_", "_", "_", "*"}));
    for (int r = 1; r <= amat; ++r) {
        QVERIFY(!g->model()->italicAt(r, 0));
        for (int c = 1; c <= 5; ++c) {
            QVERIFY(g->model()->italicAt(r, c));
        }
        QVERIFY(!g->model()->italicAt(r, 6));
    }
    // The selected row followed its form; nothing was written.
    QCOMPARE(ws->selectedRow(), qint64(amat + 1));
    QCOMPARE(drive::lineField(ws, "Text1")->text(), u"xyzzy"_qs);
    QCOMPARE(readFile(mine_), before);
    QVERIFY(platform_->messages.isEmpty());
    QCOMPARE(ws->statusBar()->currentMessage(),
             QStringLiteral("2 formes absentes complétées par %1 analyses proposées (en "
                            "italique) ; rien n'est enregistré dans le Thesaurus avant validation.")
                 .arg(rosamque + 1));

    // Validating a proposed row stores it and makes it the user's: no longer in italics.
    drive::clickRow(ws, amat);
    QCOMPARE(drive::textField(ws, "Text2")->toPlainText(), u"amo"_qs);
    drive::button(ws, "Command2")->click();
    QCOMPARE(records::readAllRecords<records::ThesaurusRecord>(mine_).value().size(),
             std::size_t(1));
    QVERIFY(!g->model()->italicAt(amat, 1));
    QVERIFY(g->model()->italicAt(1, 1));
    // Done again, it leaves the proposals as they are.
    drive::action(ws, "completer")->trigger();
    QCOMPARE(g->rows(), 1 + rosamque + 1 + 1);
}

void TestProposals::missingDatabaseLeavesTheWorkspaceAsItWas() {
    const QString missing = home_.file(QStringLiteral("absente.sqlite"));
    analysis::useMorphologyDatabase(missing);
    frmanalyse* ws = open(kText);
    drive::clickRow(ws, 1);
    // One clear message, once; the list says why it is empty; the row shows as before.
    QCOMPARE(platform_->messages.size(), 1);
    const FakePlatform::Message& m = platform_->messages.front();
    QCOMPARE(m.title, u"Analyses proposées"_qs);
    QCOMPARE(m.text, "Les analyses proposées ne sont pas disponibles : le fichier " + missing +
                         " est introuvable.\nL'analyse du texte fonctionne comme d'habitude.");
    QCOMPARE(drive::child<QListWidget>(ws, "lstPropositions")->count(), 0);
    QCOMPARE(drive::child<QLabel>(ws, "lblPropositions")->text(),
             "Aucune analyse proposée : le fichier " + missing + " est introuvable.");
    QCOMPARE(detail(ws), (QStringList{"Rosamque", "_", "_", "_", "_", "_"}));
    drive::clickRow(ws, 2);
    drive::action(ws, "completer")->trigger();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(drive::analysisGrid(ws)->rows(), 4);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 1),
             (QStringList{"Rosamque|b|c00000", "_", "_", "_", "_", "_", "*"}));
    QCOMPARE(ws->statusBar()->currentMessage(),
             "Aucune analyse proposée : le fichier " + missing + " est introuvable.");
    // Validation works as before.
    drive::textField(ws, "Text2")->setPlainText(QStringLiteral("amo"));
    drive::button(ws, "Command2")->click();
    QCOMPARE(records::readAllRecords<records::ThesaurusRecord>(mine_).value().size(),
             std::size_t(1));
    QCOMPARE(platform_->messages.size(), 1);
}

// "Annuler" on the progress bar: the completion stops, the grid and the history stay as they
// were; the analysis of a text stops too, and its workspace does not open.
void TestProposals::cancellingLeavesTheGridAsItWas() {
    frmanalyse* ws = open(kText);
    QCOMPARE(platform_->progressLabels, QStringList{"Analyse du texte..."});
    drive::clickRow(ws, 2);
    const QStringList before = drive::rowCells(drive::analysisGrid(ws), 1);
    const int rows = drive::analysisGrid(ws)->rows();
    platform_->cancelAtReport = platform_->progressReports + 1;
    drive::action(ws, "completer")->trigger();
    QCOMPARE(platform_->progressLabels.last(), u"Complétion des formes absentes..."_qs);
    QCOMPARE(drive::analysisGrid(ws)->rows(), rows);
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 1), before);
    QCOMPARE(ws->selectedRow(), qint64(2));
    QCOMPARE(ws->history()->count(), 0);
    QVERIFY(!ws->hasUnsavedChanges());
    QCOMPARE(ws->statusBar()->currentMessage(),
             u"Complétion annulée : la grille est inchangée."_qs);
    // Not cancelled this time, it completes.
    drive::action(ws, "completer")->trigger();
    QVERIFY(drive::analysisGrid(ws)->rows() > rows);

    drive::closeAll();
    const QByteArray thesaurus = readFile(mine_);
    platform_->cancelAtReport = platform_->progressReports + 1;
    QVERIFY(!open(kText));
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("ThesaurusChoix")));
    QVERIFY(platform_->messages.isEmpty());
    QCOMPARE(readFile(mine_), thesaurus);
}

// The rows of an analysis file come back padded to their fields; the not-found mark too.
void TestProposals::savedAnalysisWorkspaceProposesToo() {
    const QString saved = home_.file(QStringLiteral("analyse.dat"));
    QVERIFY(analysis::saveAnalysisFile(
                saved, {{"Rosamque", "_", "_", "_", "_", "_", "*"},
                        {"amat", "amo", "il aime", "V1", "3 sg.", "ind. prés. act.", ""}})
                .ok());
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    platform_->fileNames.push_back(saved);
    drive::action(main, "ouvriranalyse")->trigger();
    auto* ws = ui::Forms::instance().find<analysis::frmanalyse02>();
    QVERIFY(ws);
    QTableView* view = drive::analysisGrid(ws)->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(1, 0)).center());
    QListWidget* list = drive::child<QListWidget>(ws, "lstPropositions");
    QVERIFY(list->count() >= 1);
    QCOMPARE(list->item(0)->text(), u"✓ amo (V1) 3 sg. ind. prés. act. – il aime"_qs);
    drive::action(ws, "completer")->trigger();
    const int rosamque = drive::analysisGrid(ws)->rows() - 2;
    QVERIFY(rosamque >= 1);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 2), u"la rose + -que"_qs);
    QVERIFY(drive::analysisGrid(ws)->model()->italicAt(1, 2));
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 6).trimmed(), u"*"_qs);
    QVERIFY(!drive::analysisGrid(ws)->model()->italicAt(rosamque + 1, 1));
    QCOMPARE(ws->selectedRow(), qint64(rosamque + 1));
    QVERIFY(platform_->messages.isEmpty());
}

QTEST_MAIN(TestProposals)
#include "test_proposals.moc"
