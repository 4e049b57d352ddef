// The tagger: which corpus tag each analysis counts under, the smoothed trigram model, and the
// probabilities of analyses in context, on hand-made statistics and on the shipped ones.

#include "core/tagger/tagger.h"

#include "core/tagger/choosing.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using analysis::Capitals;
using analysis::SentenceWord;
using analysis::TaggedCandidate;
using analysis::TagModel;
using analysis::WeighedAnalysis;

namespace {

// Statistics made for the tests: after a preposition comes an ablative, after a subordinating
// conjunction a subjunctive; a nominative begins sentences and is followed by a verb.
const char kStatistics[] =
    "! tag,count\n"
    "r  ,100\nc  ,100\nn11,300\nn61,200\nv1 ,100\nv2 ,100\nsnt,300\n"
    "! --- Trigrammes\n"
    "snt r   n61,60\n"
    "snt c   v2 ,50\n"
    "snt c   n11,5\n"
    "snt n11 v1 ,80\n"
    "snt n61 v1 ,10\n"
    "r   n61 v1 ,40\n"
    "r   n61 snt,20\n"
    "r   n11 snt,1\n"
    "c   v2  snt,40\n"
    "c   v1  snt,5\n"
    "n11 v1  snt,80\n"
    "n61 v1  snt,40\n";

TagModel handMade() {
    std::optional<TagModel> model = TagModel::parse(QString::fromLatin1(kStatistics));
    Q_ASSERT(model);
    return *model;
}

std::vector<TaggedCandidate> word(std::initializer_list<const char*> tags) {
    std::vector<TaggedCandidate> candidates;
    for (const char* tag : tags) {
        candidates.push_back({QString::fromLatin1(tag), 1.0});
    }
    return candidates;
}

// The shipped statistics, from the build's data folder; nothing when the build had none.
const TagModel* shippedModel() {
    static const std::optional<TagModel> model =
        TagModel::load(QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath("tags.la"));
    return model ? &*model : nullptr;
}

// The analysis of word `word` that the sentence makes the most probable.
const WeighedAnalysis& mostProbable(const TagModel& model,
                                    const std::vector<SentenceWord>& sentence, int word) {
    const auto p = analysis::sentenceProbabilities(model, sentence);
    const std::vector<double>& here = p[static_cast<std::size_t>(word)];
    const auto best =
        static_cast<std::size_t>(std::max_element(here.begin(), here.end()) - here.begin());
    return sentence[static_cast<std::size_t>(word)].analyses[best];
}

}  // namespace

class TestTagger : public QObject {
    Q_OBJECT

  private slots:
    void tagsOfTheProgramsCodes_data();
    void tagsOfTheProgramsCodes();
    void transitionsAreProbabilities();
    void unreadableStatisticsGiveNoModel();
    void contextDecides_data();
    void contextDecides();
    void weightsCountWhereContextIsSilent();
    void probabilitiesOfEachWordSumToOne();
    void shippedStatisticsDecideAsAGrammarWould_data();
    void shippedStatisticsDecideAsAGrammarWould();
    void whatTheWordSaysOfItsAnalyses_data();
    void whatTheWordSaysOfItsAnalyses();
    void adjectivesAndNumeralsAgreeWithTheirNoun_data();
    void adjectivesAndNumeralsAgreeWithTheirNoun();
    void prepositionsTakeTheCasesTheirTranslationNames_data();
    void prepositionsTakeTheCasesTheirTranslationNames();
    void theCaseIsWhatTheSentenceCallsFor_data();
    void theCaseIsWhatTheSentenceCallsFor();
};

void TestTagger::tagsOfTheProgramsCodes_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("cgn");
    QTest::addColumn<QString>("mtv");
    QTest::addColumn<QString>("tag");
    QTest::newRow("noun") << "N1"
                          << "abl. f. sg."
                          << "_"
                          << "n61";
    QTest::newRow("noun plural, padded field") << "N2     "
                                               << "acc. m. pl.    "
                                               << "_"
                                               << "n32";
    QTest::newRow("adjective") << "A1"
                               << "gén. nt. pl."
                               << "_"
                               << "a42";
    QTest::newRow("pronoun") << "DP"
                             << "nom. m. sg."
                             << "_"
                             << "p11";
    QTest::newRow("numeral") << "num"
                             << "dat. pl."
                             << "_"
                             << "m52";
    QTest::newRow("indeclinable numeral") << "num"
                                          << "_"
                                          << "_"
                                          << "m8 ";
    QTest::newRow("present indicative") << "V1"
                                        << "3 sg."
                                        << "ind. prés. act."
                                        << "v11";
    QTest::newRow("perfect indicative") << "V3"
                                        << "3 pl."
                                        << "ind. parf. act."
                                        << "v1 ";
    QTest::newRow("pluperfect subjunctive") << "V4"
                                            << "3 sg."
                                            << "subj. pqp. act."
                                            << "v2 ";
    QTest::newRow("present imperative") << "V6"
                                        << "2 sg."
                                        << "imp. prés. act."
                                        << "v31";
    QTest::newRow("perfect infinitive") << "V1"
                                        << "_"
                                        << "inf. parf. act."
                                        << "v4 ";
    QTest::newRow("participle") << "V3"
                                << "nom. f. sg."
                                << "part. parf. pas."
                                << "w11";
    QTest::newRow("gerundive") << "V1"
                               << "acc. nt. sg."
                               << "adj. verb."
                               << "w31";
    QTest::newRow("gerund without number") << "V3"
                                           << "abl."
                                           << "gér."
                                           << "w61";
    QTest::newRow("preposition") << "PRE"
                                 << "_"
                                 << "_"
                                 << "r  ";
    QTest::newRow("coordinating conjunction") << "CC"
                                              << "_"
                                              << "_"
                                              << "c  ";
    QTest::newRow("subordinating conjunction") << "CS"
                                               << "_"
                                               << "_"
                                               << "c  ";
    QTest::newRow("adverb") << "ADV"
                            << "_"
                            << "_"
                            << "d  ";
    QTest::newRow("interjection") << "interj"
                                  << "_"
                                  << "_"
                                  << "i  ";
    QTest::newRow("no category") << "_"
                                 << "nom. m. sg."
                                 << "_"
                                 << "";
}

void TestTagger::tagsOfTheProgramsCodes() {
    QFETCH(QString, category);
    QFETCH(QString, cgn);
    QFETCH(QString, mtv);
    QFETCH(QString, tag);
    QCOMPARE(analysis::tagOfAnalysis(category, cgn, mtv), tag);
}

void TestTagger::transitionsAreProbabilities() {
    const TagModel model = handMade();
    const double* l = model.lambdas();
    QVERIFY(qAbs(l[0] + l[1] + l[2] - 1) < 1e-9);
    for (int a = 0; a < model.tagCount(); ++a) {
        for (int b = 0; b < model.tagCount(); ++b) {
            double sum = 0;
            for (int c = 0; c < model.tagCount(); ++c) {
                QVERIFY(model.transition(a, b, c) > 0);
                sum += model.transition(a, b, c);
            }
            QVERIFY2(qAbs(sum - 1) < 1e-3, qPrintable(QString::number(sum)));
        }
    }
    // Seen trigrams weigh more than unseen ones in the same context.
    const int snt = model.indexOf("snt");
    QVERIFY(model.transition(snt, model.indexOf("r"), model.indexOf("n61")) >
            model.transition(snt, model.indexOf("r"), model.indexOf("n11")));
}

void TestTagger::unreadableStatisticsGiveNoModel() {
    QVERIFY(!TagModel::parse(u"n11,5\nv1 ,3\n"));  // tags without any trigram
    QVERIFY(!TagModel::parse(u"nonsense"));
    QVERIFY(!TagModel::load(QStringLiteral("/nowhere/tags.la")));
}

void TestTagger::contextDecides_data() {
    QTest::addColumn<int>("secondTag");  // 0: ablative / subjunctive, 1: nominative / indicative
    QTest::addColumn<QString>("expectedFirst");
    QTest::addColumn<QString>("expectedSecond");
    QTest::newRow("cum rosa: preposition, ablative") << 0 << "r  "
                                                     << "n61";
    QTest::newRow("cum venisset: conjunction, subjunctive") << 1 << "c  "
                                                            << "v2 ";
}

// "cum" is a preposition or a conjunction; what follows decides, and is decided by it.
void TestTagger::contextDecides() {
    QFETCH(int, secondTag);
    QFETCH(QString, expectedFirst);
    QFETCH(QString, expectedSecond);
    const TagModel model = handMade();
    const std::vector<TaggedCandidate> cum = word({"c  ", "r  "});
    const std::vector<TaggedCandidate> second =
        secondTag == 0 ? word({"n11", "n61"}) : word({"v1 ", "v2 "});
    const auto p = analysis::candidateProbabilities(model, {cum, second});
    const auto best = [](const std::vector<double>& v) {
        return static_cast<std::size_t>(std::max_element(v.begin(), v.end()) - v.begin());
    };
    QCOMPARE(cum[best(p[0])].tag, expectedFirst);
    QCOMPARE(second[best(p[1])].tag, expectedSecond);
}

// Two analyses of the same tag are told apart by what the word says of them alone; a thesaurus
// analysis the user stored weighs more than the database's.
void TestTagger::weightsCountWhereContextIsSilent() {
    const TagModel model = handMade();
    const std::vector<TaggedCandidate> rosa = {{"n11", 1.0}, {"n11", 4.0}};
    const auto p = analysis::candidateProbabilities(model, {rosa});
    QVERIFY(qAbs(p[0][1] / p[0][0] - 4.0) < 1e-6);

    // A strong enough weight outweighs the context.
    const std::vector<TaggedCandidate> cum = {{"c  ", 1.0}, {"r  ", 1.0}};
    const std::vector<TaggedCandidate> stored = {{"n11", 1000.0}, {"n61", 1.0}};
    const auto q = analysis::candidateProbabilities(model, {cum, stored});
    QVERIFY(q[1][0] > q[1][1]);
}

void TestTagger::probabilitiesOfEachWordSumToOne() {
    const TagModel model = handMade();
    const std::vector<std::vector<TaggedCandidate>> sentence = {
        word({"n11", "n61", "v1 "}), {}, word({"x9 "}), word({"r  ", "c  "}), word({"n61"})};
    const auto p = analysis::candidateProbabilities(model, sentence);
    QCOMPARE(p.size(), sentence.size());
    QVERIFY(p[1].empty());
    for (std::size_t w = 0; w < sentence.size(); ++w) {
        if (sentence[w].empty()) {
            continue;
        }
        double sum = 0;
        for (const double x : p[w]) {
            QVERIFY(x >= 0 && x <= 1);
            sum += x;
        }
        QVERIFY2(qAbs(sum - 1) < 1e-9, qPrintable(QString::number(sum)));
    }
    QCOMPARE(p[4], std::vector<double>{1.0});
}

void TestTagger::shippedStatisticsDecideAsAGrammarWould_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("third");
    QTest::addColumn<QString>("expectedFirst");
    QTest::addColumn<QString>("expectedSecond");
    QTest::newRow("in magna voce: the adjective agrees with the ablative")
        << QStringList{"r  "} << QStringList{"a11", "a61", "a32"} << QStringList{"n61"} << "r  "
        << "a61";
    QTest::newRow("cum venisset: conjunction, subjunctive")
        << QStringList{"c  ", "r  "} << QStringList{"v2 ", "v1 "} << QStringList{} << "c  "
        << "v2 ";
    QTest::newRow("in rosa: ablative after the preposition")
        << QStringList{"r  "} << QStringList{"n11", "n21", "n61"} << QStringList{} << "r  "
        << "n61";
}

void TestTagger::shippedStatisticsDecideAsAGrammarWould() {
    const TagModel* model = shippedModel();
    if (!model) {
        QSKIP("the build has no Latin lexical data");
    }
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, third);
    QFETCH(QString, expectedFirst);
    QFETCH(QString, expectedSecond);
    std::vector<TaggedCandidate> a, b, c;
    for (const QString& t : first) {
        a.push_back({t, 1.0});
    }
    for (const QString& t : second) {
        b.push_back({t, 1.0});
    }
    for (const QString& t : third) {
        c.push_back({t, 1.0});
    }
    const auto p = analysis::candidateProbabilities(*model, {a, b, c});
    const auto best = [](const std::vector<double>& v) {
        return static_cast<std::size_t>(std::max_element(v.begin(), v.end()) - v.begin());
    };
    QCOMPARE(a[best(p[0])].tag, expectedFirst);
    QCOMPARE(b[best(p[1])].tag, expectedSecond);
}

// Analyses of the same tag and no context: the weights alone decide.
void TestTagger::whatTheWordSaysOfItsAnalyses_data() {
    QTest::addColumn<std::vector<WeighedAnalysis>>("analyses");
    QTest::addColumn<int>("capitals");
    QTest::addColumn<int>("expected");
    const std::vector<WeighedAnalysis> remi = {{"remus", "N2", "nom. m. pl.", "_", 122, false},
                                               {"Remi", "N2", "nom. m. pl.", "_", 35, false}};
    QTest::newRow("a capital inside a sentence: the proper name")
        << remi << int(Capitals::Upper) << 1;
    QTest::newRow("no capital: the common word") << remi << int(Capitals::Lower) << 0;
    QTest::newRow("first word of a sentence: the more frequent lemma")
        << remi << int(Capitals::Unknown) << 0;
    QTest::newRow("a stored lemma the database spells otherwise counts as often")
        << std::vector<WeighedAnalysis>{{"se", "DP", "acc. sg.", "_", 9722, false},
                                        {"sui", "DP", "acc. sg.", "_", 0, true}}
        << int(Capitals::Unknown) << 1;
    QTest::newRow("a stored lemma rare in the database stays rare")
        << std::vector<WeighedAnalysis>{{"se", "DP", "acc. sg.", "_", 9722, false},
                                        {"sui", "DP", "acc. sg.", "_", 1, true}}
        << int(Capitals::Unknown) << 0;
    QTest::newRow("the infinitive before a rare second person in -re")
        << std::vector<WeighedAnalysis>{{"rego", "V3", "2 sg.", "ind. prés. pas.", 300, false},
                                        {"rego", "V3", "_", "inf. prés. act.", 300, false}}
        << int(Capitals::Unknown) << 1;
}

void TestTagger::whatTheWordSaysOfItsAnalyses() {
    const TagModel model = handMade();
    QFETCH(std::vector<WeighedAnalysis>, analyses);
    QFETCH(int, capitals);
    QFETCH(int, expected);
    const std::vector<TaggedCandidate> c =
        analysis::taggedCandidates(model, analyses, static_cast<Capitals>(capitals));
    const auto best = std::max_element(
        c.begin(), c.end(), [](const auto& a, const auto& b) { return a.weight < b.weight; });
    QCOMPARE(best - c.begin(), expected);
    QCOMPARE(analysis::capitalsOf("Remi", true), Capitals::Unknown);
    QCOMPARE(analysis::capitalsOf("Remi", false), Capitals::Upper);
    // The corpus counts -que and -ve apart from the other conjunctions.
    QCOMPARE(analysis::taggedCandidates(model, {{"que", "CC", "_", "_", 0, false}})[0].tag,
             QStringLiteral("ce "));
}

void TestTagger::adjectivesAndNumeralsAgreeWithTheirNoun_data() {
    QTest::addColumn<std::vector<SentenceWord>>("sentence");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("expected");
    const WeighedAnalysis in{"in", "PRE", "_", "_", 20000, false};
    const std::vector<WeighedAnalysis> tres = {{"tres", "num", "nom. m. pl.", "_", 496, false},
                                               {"tres", "num", "nom. f. pl.", "_", 496, false},
                                               {"tres", "num", "acc. m. pl.", "_", 496, false},
                                               {"tres", "num", "acc. f. pl.", "_", 496, false}};
    QTest::newRow("in partes tres: feminine")
        << std::vector<SentenceWord>{{"in", {in}},
                                     {"partes",
                                      {{"pars", "N3", "nom. f. pl.", "_", 2826, false},
                                       {"pars", "N3", "acc. f. pl.", "_", 2826, false}}},
                                     {"tres", tres}}
        << 2 << "acc. f. pl.";
    QTest::newRow("in agros tres: masculine")
        << std::vector<SentenceWord>{{"in", {in}},
                                     {"agros", {{"ager", "N2", "acc. m. pl.", "_", 972, false}}},
                                     {"tres", tres}}
        << 2 << "acc. m. pl.";
    QTest::newRow("templa magna: neuter plural, not feminine singular")
        << std::vector<SentenceWord>{{"templa",
                                      {{"templum", "N2", "acc. nt. pl.", "_", 529, false},
                                       {"templum", "N2", "nom. nt. pl.", "_", 529, false}}},
                                     {"magna",
                                      {{"magnus", "A1", "nom. f. sg.", "_", 6056, false},
                                       {"magnus", "A1", "abl. f. sg.", "_", 6056, false},
                                       {"magnus", "A1", "acc. nt. pl.", "_", 6056, false},
                                       {"magnus", "A1", "nom. nt. pl.", "_", 6056, false}}},
                                     {"vidit",
                                      {{"video", "V2", "3 sg.", "ind. parf. act.", 9000, false}}}}
        << 1 << "nt. pl.";
}

// Gender is not among the corpus tags: the noun within reach decides it.
void TestTagger::adjectivesAndNumeralsAgreeWithTheirNoun() {
    const TagModel* model = shippedModel();
    if (!model) {
        QSKIP("the build has no Latin lexical data");
    }
    QFETCH(std::vector<SentenceWord>, sentence);
    QFETCH(int, word);
    QFETCH(QString, expected);
    const QString chosen = mostProbable(*model, sentence, word).caseGenderNumber;
    QVERIFY2(chosen.endsWith(expected), qPrintable(chosen));
}

void TestTagger::prepositionsTakeTheCasesTheirTranslationNames_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("cases");
    QTest::newRow("ablative") << "PRE" << u"avec (+ abl.)"_qs << "6";
    QTest::newRow("accusative, no full stop") << "PRE" << u"jusqu'à (+ acc); entièrement"_qs << "3";
    QTest::newRow("genitive or ablative") << "PRE" << u"(+ gén. ou abl.) jusqu'à"_qs << "46";
    QTest::newRow("nothing named: accusative or ablative") << "PRE" << u"à travers, par"_qs << "36";
    QTest::newRow("an enclitic named after the translation says nothing of the case")
        << "PRE" << u"sous + -que"_qs << "36";
    QTest::newRow("a conjunction governs no case") << "CS" << u"alors que (conj. + subj.)"_qs << "";
    QTest::newRow("a verb whose translation names a case governs none either")
        << "V1" << u"se moquer de (+ acc.)"_qs << "";
}

void TestTagger::prepositionsTakeTheCasesTheirTranslationNames() {
    QFETCH(QString, category);
    QFETCH(QString, translation);
    QFETCH(QString, cases);
    QCOMPARE(analysis::governedCases({"x", category, "_", "_", 1, false, translation}), cases);
}

void TestTagger::theCaseIsWhatTheSentenceCallsFor_data() {
    QTest::addColumn<std::vector<SentenceWord>>("sentence");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("expected");  // in the codes or the translation of the best one
    const WeighedAnalysis inAblative{"in", "PRE", "_", "_", 20000, true, "dans, sur (+ abl.)"};
    const WeighedAnalysis inAccusative{
        "in", "PRE", "_", "_", 20000, true, "dans, en, vers, contre (+ acc.)"};
    const std::vector<WeighedAnalysis> partes = {{"pars", "N3", "nom. f. pl.", "_", 2826, false},
                                                 {"pars", "N3", "acc. f. pl.", "_", 2826, false}};
    const SentenceWord venit{"venit", {{"venio", "V4", "3 sg.", "ind. prés. act.", 5000, false}}};
    QTest::newRow("inter se: accusative")
        << std::vector<SentenceWord>{{"inter",
                                      {{"inter", "PRE", "_", "_", 3000, true,
                                        "entre, parmi (+ acc.)"}}},
                                     {"se",
                                      {{"se", "DP", "acc. sg.", "_", 9722, false},
                                       {"se", "DP", "abl. sg.", "_", 9722, false}}},
                                     {"differunt",
                                      {{"differo", "V3", "3 pl.", "ind. prés. act.", 400, false}}}}
        << 1 << "acc. sg.";
    QTest::newRow("in partes: the preposition of the accusative")
        << std::vector<SentenceWord>{{"in", {inAblative, inAccusative}}, {"partes", partes}, venit}
        << 0 << "(+ acc.)";
    QTest::newRow("in castris: the preposition of the ablative")
        << std::vector<SentenceWord>{{"in", {inAccusative, inAblative}},
                                     {"castris",
                                      {{"castra", "N2", "dat. nt. pl.", "_", 1397, false},
                                       {"castra", "N2", "abl. nt. pl.", "_", 1397, false}}},
                                     venit}
        << 0 << "(+ abl.)";
    QTest::newRow("before a verb in the plural: no nominative singular")
        << std::vector<SentenceWord>{{"exercitus",
                                      {{"exercitus", "N4", "nom. m. sg.", "_", 900, false},
                                       {"exercitus", "N4", "gén. m. sg.", "_", 900, false},
                                       {"exercitus", "N4", "nom. m. pl.", "_", 900, false},
                                       {"exercitus", "N4", "acc. m. pl.", "_", 900, false}}},
                                     {"veniunt",
                                      {{"venio", "V4", "3 pl.", "ind. prés. act.", 9000, false}}}}
        << 0 << "m. pl.";
    // Words the annotated texts do not know, which leave the case to the program's rules.
    const std::vector<WeighedAnalysis> aratrum = {
        {"aratrum", "N2", "nom. nt. sg.", "_", 60, false},
        {"aratrum", "N2", "acc. nt. sg.", "_", 60, false}};
    const SentenceWord dominus{"dominus", {{"dominus", "N2", "nom. m. sg.", "_", 3000, false}}};
    QTest::newRow("a neuter beside the subject of its verb: more often the object")
        << std::vector<SentenceWord>{dominus,
                                     {"aratrum", aratrum},
                                     {"videt",
                                      {{"video", "V2", "3 sg.", "ind. prés. act.", 9000, false}}}}
        << 1 << "acc. nt. sg.";
    QTest::newRow("est takes no object")
        << std::vector<SentenceWord>{dominus,
                                     {"aratrum", aratrum},
                                     {"est", {{"sum", "V6", "3 sg.", "ind. prés.", 90000, false}}}}
        << 1 << "nom. nt. sg.";
    QTest::newRow("a verb without another subject: the nominative of its number is it")
        << std::vector<SentenceWord>{{"leones",
                                      {{"leo", "N3", "nom. m. pl.", "_", 40, false},
                                       {"leo", "N3", "acc. m. pl.", "_", 40, false}}},
                                     {"currunt",
                                      {{"curro", "V3", "3 pl.", "ind. prés. act.", 900, false}}}}
        << 0 << "nom. m. pl.";
}

// What the corpus tags cannot say: which case a preposition takes, which number the subject
// of a verb has, that a verb wants a subject and "sum" no object, how often a neuter is the
// object.
void TestTagger::theCaseIsWhatTheSentenceCallsFor() {
    const TagModel* model = shippedModel();
    if (!model) {
        QSKIP("the build has no Latin lexical data");
    }
    QFETCH(std::vector<SentenceWord>, sentence);
    QFETCH(int, word);
    QFETCH(QString, expected);
    const WeighedAnalysis& chosen = mostProbable(*model, sentence, word);
    const QString said = chosen.caseGenderNumber + QStringLiteral(" | ") + chosen.translation;
    QVERIFY2(said.contains(expected), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestTagger)
#include "test_tagger.moc"
