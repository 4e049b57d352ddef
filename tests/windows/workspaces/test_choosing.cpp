// The most probable analysis in context: rows weighed by the tagger, the choice that keeps the
// most probable row of each untouched ambiguous occurrence, and the workspace command that makes
// it one undoable step, marked until validated, writing no thesaurus.

#include "core/records/paths.h"
#include "core/tagger/choosing.h"
#include "support/cleanstart.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/workspaces/frmanalyse.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

using namespace analysis;

namespace {

// After a preposition an ablative; a nominative is followed by a verb.
const char kStatistics[] =
    "r  ,100\nc  ,100\nn11,300\nn61,200\nv1 ,100\nv2 ,100\nsnt,300\n"
    "! --- Trigrammes\n"
    "snt r   n61,60\nsnt c   v2 ,50\nsnt n11 v1 ,80\nr   n61 snt,20\nr   n61 v1 ,40\n"
    "c   v2  snt,40\nn11 v1  snt,80\nn61 v1  snt,40\nv1  snt n11,30\nv1  snt r  ,10\n";

GridRow row(const QString& form, qint64 occurrence, const QString& lemma, const QString& category,
            const QString& cgn, bool ambiguous = true) {
    GridRow r;
    r.occurrence = occurrence;
    r[Column::Form] = {form, kFormColour, true};
    const QString texts[] = {lemma, QStringLiteral("_"), category, cgn, QStringLiteral("_")};
    for (int c = 1; c <= 5; ++c) {
        r.cells[static_cast<std::size_t>(c)].text = texts[c - 1];
        if (ambiguous) {
            r.cells[static_cast<std::size_t>(c)].colour = kAmbiguityColour;
        }
    }
    return r;
}

// "cum rosa": cum a conjunction or a preposition, rosa a nominative or an ablative.
GridRows cumRosa() {
    return {row("cum", 0, "cum", "CS", "_"), row("cum", 0, "cum", "PRE", "_"),
            row("rosa", 1, "rosa", "N1", "nom. f. sg."),
            row("rosa", 1, "rosa", "N1", "abl. f. sg.")};
}

TagModel handMade() {
    return *TagModel::parse(QString::fromLatin1(kStatistics));
}

const std::vector<Analysis> kThesaurus = {
    {"cum", "CS", "cum", "_", "_", "quand"},
    {"cum", "PRE", "cum", "_", "_", "avec"},
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"rosa", "N1", "rosa", "abl. f. sg.", "_", "par la rose"},
};

}  // namespace

class TestChoosing : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void rowsAreWeighedInContext();
    void choiceKeepsTheMostProbableUntouchedRow();
    void choiceStaysWithinItsSpan();
    void validationMakesTheChoiceTheUsers();
    void storedAnalysesWeighMore();
    void commandIsOneUndoableStepAndWritesNothing();

  private:
    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
};

void TestChoosing::init() {
    startClean(platform_, home_);
    QDir().mkpath(records::paths::dataDir());
    const QString tags = home_.file(QStringLiteral("tags.la"));
    QVERIFY(writeFile(tags, kStatistics));
    useTagModel(tags);
    useMorphologyDatabase(home_.file(QStringLiteral("aucune.sqlite")));
}

void TestChoosing::cleanup() {
    drive::closeAll();
    useTagModel({});
    useMorphologyDatabase({});
    platform_.reset();
}

void TestChoosing::rowsAreWeighedInContext() {
    const TagModel model = handMade();
    LemmaFrequencies none(nullptr);
    const std::vector<double> p = rowProbabilities(cumRosa(), model, none);
    QCOMPARE(p.size(), std::size_t(4));
    QVERIFY(p[1] > p[0]);  // the preposition
    QVERIFY(p[3] > p[2]);  // the ablative
    QVERIFY(qAbs(p[0] + p[1] - 1) < 1e-9);

    // A sentence boundary between the words takes the preposition's context away.
    GridRows rows = cumRosa();
    const std::vector<double> apart = rowProbabilities(rows, model, none, {0, 1});
    QVERIFY(apart[3] / apart[2] < p[3] / p[2]);
}

void TestChoosing::choiceKeepsTheMostProbableUntouchedRow() {
    GridRows rows = cumRosa();
    rows.push_back(row("est", 2, "sum", "V6", "3 sg.", false));  // one analysis
    // An occurrence the user already worked on: one row no longer ambiguous.
    rows.push_back(row("rosa", 3, "rosa", "N1", "nom. f. sg.", false));
    rows.push_back(row("rosa", 3, "rosa", "N1", "abl. f. sg."));
    const std::vector<double> p = {0.3, 0.7, 0.4, 0.6, 1, 0.5, 0.5};
    const Choice choice = choosingMostProbable(rows, p);
    const GridRows chosen = rowsAfter(rows, choice);
    QCOMPARE(choice.occurrences, qint64(2));
    QCOMPARE(choice.removed, qint64(2));
    QCOMPARE(chosen.size(), std::size_t(5));
    QCOMPARE(chosen[0][Column::Category].text, QStringLiteral("PRE"));
    QCOMPARE(chosen[1][Column::CaseGenderNumber].text, QStringLiteral("abl. f. sg."));
    for (int c = 1; c <= 5; ++c) {
        QCOMPARE(chosen[0].cells[std::size_t(c)].colour, std::optional<quint32>(kChosenColour));
    }
    QCOMPARE(chosen[0][Column::Form].colour, std::optional<quint32>(kFormColour));
    QCOMPARE(chosen[2], rows[4]);
    QCOMPARE(chosen[3], rows[5]);
    QCOMPARE(chosen[4], rows[6]);
    QCOMPARE(choice.newRowOf, (std::vector<qint64>{1, 1, 2, 2, 3, 4, 5}));
    // Undo keeps one hunk per occurrence reduced, not the grid; done and undone, they give the
    // grid after and before.
    QCOMPARE(choice.edit.hunks.size(), std::size_t(2));
    QCOMPARE(choice.edit.hunks[1].first, qint64(3));
    GridRows edited = rows;
    applyEdit(edited, choice.edit);
    QCOMPARE(edited, chosen);
    applyEdit(edited, reversed(choice.edit));
    QCOMPARE(edited, rows);

    // Chosen rows are the program's: a second run finds nothing left to choose.
    const Choice again = choosingMostProbable(chosen, std::vector<double>(5, 0.5));
    QCOMPARE(again.occurrences, qint64(0));
    QVERIFY(again.edit.empty());
    QCOMPARE(rowsAfter(chosen, again), chosen);
}

void TestChoosing::choiceStaysWithinItsSpan() {
    const GridRows rows = cumRosa();
    const Choice choice = choosingMostProbable(rows, {0.3, 0.7, 0.4, 0.6}, RowSpan{3, 4});
    const GridRows chosen = rowsAfter(rows, choice);
    QCOMPARE(choice.occurrences, qint64(1));
    QCOMPARE(chosen[0], rows[0]);
    QCOMPARE(chosen[1], rows[1]);
    QCOMPARE(chosen[2][Column::CaseGenderNumber].text, QStringLiteral("abl. f. sg."));
}

void TestChoosing::validationMakesTheChoiceTheUsers() {
    const Choice choice = choosingMostProbable(cumRosa(), {0.3, 0.7, 0.4, 0.6});
    const GridRows chosen = rowsAfter(cumRosa(), choice);
    const DetailFields fields{"cum", "cum", "avec", "PRE", "_", "_"};
    const GridRows after = validated(chosen, 1, fields);
    for (int c = 1; c <= 5; ++c) {
        QVERIFY(after[0].cells[std::size_t(c)].colour != std::optional<quint32>(kChosenColour));
    }
    QCOMPARE(after[1], chosen[1]);
}

void TestChoosing::storedAnalysesWeighMore() {
    const std::vector<WeighedAnalysis> analyses = {
        {"rosa", "N1", "nom. f. sg.", "_", 10, false},
        {"rosa", "N1", "abl. f. sg.", "_", 10, true},
        {"roseus", "A1", "nom. f. sg.", "_", 30, false},
    };
    const TagModel model = handMade();
    const std::vector<TaggedCandidate> c = taggedCandidates(model, analyses);
    QCOMPARE(c[0].tag, QStringLiteral("n11"));
    QCOMPARE(c[2].tag, QStringLiteral("a11"));
    // rosa's share is split between its two analyses as the corpus splits their tags; the
    // stored one weighs more; the more frequent lemma more still.
    const double nominative = model.unigram(model.indexOf("n11"));
    const double ablative = model.unigram(model.indexOf("n61"));
    QVERIFY(qAbs(c[1].weight / c[0].weight - kStoredWeight * ablative / nominative) < 1e-9);
    QVERIFY(c[2].weight > c[0].weight);
}

void TestChoosing::commandIsOneUndoableStepAndWritesNothing() {
    const QString mine = home_.file(QStringLiteral("mien.dat"));
    writeThesaurus(mine, kThesaurus);
    const QByteArray before = readFile(mine);
    frmanalyse* ws = drive::analyseWithThesaurus(*platform_, QStringLiteral("cum rosa"), mine);
    QVERIFY(ws);
    const QStringList shown = {drive::rowCells(drive::analysisGrid(ws), 1).join('|'),
                               drive::rowCells(drive::analysisGrid(ws), 2).join('|'),
                               drive::rowCells(drive::analysisGrid(ws), 3).join('|'),
                               drive::rowCells(drive::analysisGrid(ws), 4).join('|')};
    QCOMPARE(drive::analysisGrid(ws)->rows(), 5);

    drive::action(ws, "choisir")->trigger();
    QCOMPARE(drive::analysisGrid(ws)->rows(), 3);
    QCOMPARE(drive::analysisGrid(ws)->textAt(1, 3).trimmed(), QStringLiteral("PRE"));
    QCOMPARE(drive::analysisGrid(ws)->textAt(2, 4).trimmed(), QStringLiteral("abl. f. sg."));
    QCOMPARE(drive::analysisGrid(ws)->foreColorAt(2, 1), std::optional<quint32>(kChosenColour));
    QCOMPARE(ws->history()->count(), 1);
    QCOMPARE(readFile(mine), before);
    QVERIFY(ws->hasUnsavedChanges());

    // A row clicked after the command (rosa, row 2) is another occurrence once it is undone:
    // the panel does not offer it, and validating asks for a row.
    drive::clickRow(ws, 2);
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QStringLiteral("rosa"));
    drive::action(ws, "annuler")->trigger();
    QCOMPARE(drive::analysisGrid(ws)->rows(), 5);
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(drive::rowCells(drive::analysisGrid(ws), r).join('|'), shown[r - 1]);
    }
    QCOMPARE(ws->selectedRow(), qint64(0));
    QCOMPARE(drive::lineField(ws, "Text1")->text(), QString());
    drive::button(ws, "Command2")->click();
    QCOMPARE(platform_->messageTexts().last(), QStringLiteral("Veuillez sélectionner une forme."));
    QCOMPARE(drive::rowCells(drive::analysisGrid(ws), 2).join('|'), shown[1]);
    QCOMPARE(readFile(mine), before);
}

QTEST_MAIN(TestChoosing)
#include "test_choosing.moc"
