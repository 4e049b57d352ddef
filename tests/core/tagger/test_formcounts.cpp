// What annotated texts say of written forms: reading the counts, matching the program's analyses
// against them, and the weight they give each analysis of a word.

#include "core/tagger/formcounts.h"

#include "core/tagger/choosing.h"
#include "core/tagger/tagger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using analysis::CountedFeatures;
using analysis::FormCounts;
using analysis::TaggedCandidate;
using analysis::TagModel;
using analysis::WeighedAnalysis;

namespace {

const char kCounts[] =
    "! comment\n"
    "quod\tquod1\t_\t118\n"
    "quod\tqui1\tCase=Acc|Gender=Neut|Number=Sing\t75\n"
    "quod\tqui1\tCase=Nom|Gender=Neut|Number=Sing\t65\r\n"
    "Quae\tqui1\tCase=Nom|Gender=Fem|Number=Sing\t3\n"
    "virum\tvir1\tCase=Acc|Gender=Masc|Number=Sing\t7\n"
    "dominum\tdominus1\tCase=Acc|Gender=Masc|Number=Sing\t4\n"
    "verum\tverus1\tCase=Nom|Gender=Neut|Number=Sing\t2\n"
    "verum\tverum1\t_\t9\n"
    "iam\tjam1\t_\t12\n"
    "magis\tmagis1\t_\t41\n"
    "Gallos\tGallus2\tCase=Acc|Gender=Masc|Number=Plur\t5\n"
    "amaverat\tamo1\tAspect=Perf|Mood=Ind|Number=Sing|Person=3|Tense=Pqp|VerbForm=Fin|Voice="
    "Act\t2\n"
    "bad line without tabs\n"
    "zero\tzero\t_\t0\n"
    "word\tlemma\t_\tmany\n";

FormCounts counts() {
    std::optional<FormCounts> c = FormCounts::parse(QString::fromLatin1(kCounts));
    Q_ASSERT(c);
    return *c;
}

CountedFeatures features(const char* feats) {
    return CountedFeatures::parse(QString::fromLatin1(feats));
}

// Tag statistics that say nothing of these words: every tag is equally likely.
TagModel flatModel() {
    std::optional<TagModel> model = TagModel::parse(QStringLiteral(
        "cs ,100\np31,100\np11,100\nsnt,100\n! --- Trigrammes\nsnt cs  snt,10\nsnt p31 snt,10\n"));
    Q_ASSERT(model);
    return *model;
}

const std::vector<WeighedAnalysis> kQuod = {
    {"qui", "DP", "acc. nt. sg.", "_", 9000, false},
    {"qui", "DP", "nom. nt. sg.", "_", 9000, false},
    {"quod", "CS", "_", "_", 3000, false},
};

std::size_t heaviest(const std::vector<TaggedCandidate>& candidates) {
    return static_cast<std::size_t>(
        std::max_element(candidates.begin(), candidates.end(),
                         [](const auto& a, const auto& b) { return a.weight < b.weight; }) -
        candidates.begin());
}

}  // namespace

class TestFormCounts : public QObject {
    Q_OBJECT

  private slots:
    void countsAreReadByFoldedFormAndComparableLemma();
    void featuresFitWhereBothSidesGiveThem();
    void formsTheTextsDoNotKnowSayWhatTheirEndingSays();
    void textsWithoutCountsGiveNone();
    void countsComeWithTheTagStatisticsBesideThem();
    void whatTheTextsSayDecidesWhereTheyKnowTheForm();
};

// Forms fold as the lookup folds them, lemmas lose their homograph marks, a word with an
// enclitic counts as its host; lines that are not counts are skipped.
void TestFormCounts::countsAreReadByFoldedFormAndComparableLemma() {
    const FormCounts c = counts();
    QCOMPARE(c.formCount(), 9);
    QCOMPARE(c.total(QStringLiteral("quod")), 258);
    QCOMPARE(c.count(QStringLiteral("Quod"), QStringLiteral("quod"), {}), 118);
    QCOMPARE(c.count(QStringLiteral("quae"), QStringLiteral("qui2"),
                     features("Case=Nom|Gender=Fem|Number=Sing")),
             3);
    QCOMPARE(c.count(QStringLiteral("jam"), QStringLiteral("iam"), {}), 12);
    QCOMPARE(c.count(QStringLiteral("virumque"), QStringLiteral("vir"),
                     features("Case=Acc|Gender=Masc|Number=Sing")),
             7);
    // A proper name is not the common noun written alike.
    const CountedFeatures accusative = features("Case=Acc|Gender=Masc|Number=Plur");
    QCOMPARE(c.count(QStringLiteral("gallos"), QStringLiteral("Gallus"), accusative), 5);
    QCOMPARE(c.count(QStringLiteral("Gallos"), QStringLiteral("gallus"), accusative), 0);
    QCOMPARE(c.total(QStringLiteral("zero")), 0);
    QCOMPARE(c.total(QStringLiteral("word")), 0);
    QCOMPARE(c.total(QStringLiteral("que")), 0);
}

void TestFormCounts::featuresFitWhereBothSidesGiveThem() {
    const FormCounts c = counts();
    const QString quod = QStringLiteral("quod");
    const QString qui = QStringLiteral("qui");
    QCOMPARE(c.count(quod, qui, features("Case=Acc|Number=Sing")), 75);
    QCOMPARE(c.count(quod, qui, features("Number=Sing")), 140);
    QCOMPARE(c.count(quod, qui, features("Case=Acc|Gender=Masc|Number=Sing")), 0);
    QCOMPARE(c.count(quod, qui, features("Case=Acc|Degree=Cmp|Gender=Neut")), 75);
    // What the texts annotate without case goes to a declined analysis only while no invariable
    // analysis of the lemma takes it; an analysis without case takes what they annotate with one.
    const CountedFeatures declined = features("Case=Nom|Gender=Neut|Number=Sing");
    QCOMPARE(FormCounts::count(c.of(quod), quod, declined, true), 0);
    QCOMPARE(FormCounts::count(c.of(quod), quod, declined, false), 118);
    QCOMPARE(FormCounts::count(c.of(quod), quod, {}, true), 118);
    QCOMPARE(c.count(quod, qui, {}), 140);
    QVERIFY(CountedFeatures{}.invariable());
    QVERIFY(!declined.invariable());
    // Values that share their first letter stay apart.
    const QString amo = QStringLiteral("amo");
    const QString amaverat = QStringLiteral("amaverat");
    QCOMPARE(c.count(amaverat, amo, features("Tense=Pqp|Mood=Ind")), 2);
    QCOMPARE(c.count(amaverat, amo, features("Tense=Past|Mood=Ind")), 0);
    QCOMPARE(c.count(amaverat, amo, features("Tense=Pqp|Mood=Imp")), 0);
    QVERIFY(!features("VerbForm=Gdv").fits(features("VerbForm=Ger")));
}

// The last three letters of forms the texts know, of the same kind of word: a declined word
// does not take what an invariable one ending alike says, nor the other way round.
void TestFormCounts::formsTheTextsDoNotKnowSayWhatTheirEndingSays() {
    const FormCounts c = counts();
    const QString puerum = QStringLiteral("puerum");
    QCOMPARE(c.endingCount(puerum, features("Case=Acc|Gender=Masc|Number=Sing")), 7);
    QCOMPARE(c.endingCount(puerum, features("Case=Acc|Number=Sing")), 7);
    QCOMPARE(c.endingCount(puerum, features("Case=Nom|Gender=Neut|Number=Sing")), 2);
    QCOMPARE(c.endingCount(puerum, features("_")), 9);
    QCOMPARE(c.endingCount(QStringLiteral("puerumque"), features("Case=Acc|Number=Sing")), 7);
    QCOMPARE(c.endingCount(QStringLiteral("asinum"), features("Case=Acc|Number=Sing")), 4);
    QCOMPARE(c.endingCount(QStringLiteral("puero"), features("Case=Dat|Number=Sing")), 0);

    TagModel model = flatModel();
    model.setFormCounts(c);
    const std::vector<WeighedAnalysis> analyses = {
        {"puerum", "N2", "nom. nt. sg.", "_", 100, false},
        {"puer", "N2", "acc. m. sg.", "_", 100, false}};
    const auto weighed = analysis::taggedCandidates(model, analyses, {}, puerum);
    const auto without = analysis::taggedCandidates(flatModel(), analyses, {}, puerum);
    QVERIFY(weighed[1].weight / weighed[0].weight > without[1].weight / without[0].weight);
}

void TestFormCounts::textsWithoutCountsGiveNone() {
    QVERIFY(!FormCounts::parse(u""));
    QVERIFY(!FormCounts::parse(u"! only a comment\nno\tcount\n"));
    QVERIFY(!FormCounts::load(QStringLiteral("/nonexistent/formes.la")));
}

void TestFormCounts::countsComeWithTheTagStatisticsBesideThem() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    };
    write("tags.la", "cs ,100\nsnt,100\n! --- Trigrammes\nsnt cs  snt,10\n");
    std::optional<TagModel> alone = TagModel::load(dir.filePath(QStringLiteral("tags.la")));
    QVERIFY(alone);
    QVERIFY(!alone->formCounts());
    write("formes.la", kCounts);
    std::optional<TagModel> model = TagModel::load(dir.filePath(QStringLiteral("tags.la")));
    QVERIFY(model);
    QVERIFY(model->formCounts());
    QCOMPARE(model->formCounts()->total(QStringLiteral("quod")), 258);
    // A copy of the model shares them.
    const TagModel copy = *model;
    QCOMPARE(copy.formCounts(), model->formCounts());
}

// The texts' counts outweigh the lemma frequencies where they know the form; what they never
// gave stays possible; a form they do not know keeps the weights it had; what the user stored
// still weighs more.
void TestFormCounts::whatTheTextsSayDecidesWhereTheyKnowTheForm() {
    TagModel model = flatModel();
    const QString quod = QStringLiteral("quod");
    QCOMPARE(heaviest(analysis::taggedCandidates(model, kQuod, {}, quod)), 0u);
    model.setFormCounts(counts());
    std::vector<TaggedCandidate> weighed = analysis::taggedCandidates(model, kQuod, {}, quod);
    QCOMPARE(heaviest(weighed), 2u);
    QVERIFY(weighed[0].weight > weighed[1].weight);

    std::vector<WeighedAnalysis> neverGiven = kQuod;
    neverGiven.push_back({"quis", "DP", "acc. nt. sg.", "_", 5000, false});
    weighed = analysis::taggedCandidates(model, neverGiven, {}, quod);
    QVERIFY(weighed[3].weight > 0);
    QVERIFY(weighed[3].weight < 1);

    // Nor does their ending say anything of these analyses: the weights keep their ratios.
    const std::vector<TaggedCandidate> unknown =
        analysis::taggedCandidates(model, kQuod, {}, QStringLiteral("quidquid"));
    const std::vector<TaggedCandidate> without = analysis::taggedCandidates(flatModel(), kQuod);
    for (std::size_t i = 1; i < kQuod.size(); ++i) {
        QCOMPARE(unknown[i].weight / unknown[0].weight, without[i].weight / without[0].weight);
    }

    // The adverb the texts annotate without features, not the noun of the same lemma.
    const std::vector<WeighedAnalysis> magis = {{"magis", "N3", "nom. f. sg.", "_", 900, false},
                                                {"magis", "ADV", "_", "_", 100, false}};
    QCOMPARE(heaviest(analysis::taggedCandidates(model, magis, {}, QStringLiteral("magis"))), 1u);

    std::vector<WeighedAnalysis> stored = kQuod;
    stored[1].stored = true;
    weighed = analysis::taggedCandidates(model, stored, {}, quod);
    QCOMPARE(weighed[1].weight / analysis::kStoredWeight,
             analysis::taggedCandidates(model, kQuod, {}, quod)[1].weight);
}

QTEST_GUILESS_MAIN(TestFormCounts)
#include "test_formcounts.moc"
