// The tagger: which corpus tag each analysis counts under, the smoothed trigram model, and the
// probabilities of analyses in context, on hand-made statistics and on the shipped ones.

#include "core/tagger/tagger.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using analysis::TaggedCandidate;
using analysis::TagModel;

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

QTEST_GUILESS_MAIN(TestTagger)
#include "test_tagger.moc"
