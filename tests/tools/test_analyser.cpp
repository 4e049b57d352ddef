#include "goldscore.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/batchanalysis.h"
#include "core/morphology/morphology.h"
#include "core/records/recordfile.h"
#include "core/tagger/formcounts.h"
#include "fixturedata.h"
#include "latindata/morphologydb.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using analysis::OutputFormat;
using analysis::WordAnalyser;

namespace {

QString writeDatabase(const QString& folder) {
    latindata::MorphologyTables tables;
    latindata::generate(fixtures::fixtureData(), fixtures::fixtureLists(),
                        static_cast<int>(records::kMaxRecordNumber), nullptr, &tables);
    const QString path = QDir(folder).filePath(analysis::MorphologyDatabase::kFileName);
    QString error;
    if (!latindata::writeMorphologyDatabase(path, tables, &error)) {
        qFatal("cannot write the database: %s", qPrintable(error));
    }
    return path;
}

records::ThesaurusRecord record(const QString& form, const QString& category, const QString& lemma,
                                const QString& cgn, const QString& mtv,
                                const QString& translation) {
    records::ThesaurusRecord r;
    r.setAnalysis(form, category, lemma, cgn, mtv, translation);
    return r;
}

// A base thesaurus that knows "est" as the database's first analysis does, and "in" with a
// translation holding a tab and a line break.
analysis::ThesaurusLists thesaurus() {
    return analysis::listsFromRecords({record("est", "V6", "sum", "3 sg.", "ind. prés.", "il est"),
                                       record("in", "PRE", "in", "_", "_", "dans\tsur\nen")});
}

QString written(const QString& input, WordAnalyser& analyser, OutputFormat format, bool conllu) {
    QString output;
    QTextStream out(&output);
    if (conllu) {
        analysis::writeConlluAnalyses(input, analyser, format, out);
    } else {
        analysis::writeTextAnalyses(input, analyser, format, out);
    }
    out.flush();
    return output;
}

// lemma|category|source of each analysis.
QStringList described(const std::vector<analysis::WordAnalysis>& found) {
    QStringList out;
    for (const analysis::WordAnalysis& a : found) {
        const bool thesaurus = a.source == analysis::WordAnalysis::Source::Thesaurus;
        out << a.lemma + u'|' + a.category + u'|' +
                   (thesaurus ? QStringLiteral("thesaurus") : QStringLiteral("base"));
    }
    return out;
}

const QString kConllu = QStringLiteral(
    "# newdoc id = d1\r\n"
    "# sent_id = a\n"
    "1-2\tEstne\t_\t_\t_\t_\t_\t_\t_\tSpaceAfter=No\n"
    "1\tEst\tx\tx\tx\tx\t0\troot\t_\t_\n"
    "2\tne\tx\tx\tx\tx\t1\tdiscourse\t_\t_\n"
    "2.1\trosa\tq\tq\tq\tq\t_\t_\t1:x\t_\n"
    "3\trosa\t_\t_\t_\t_\t1\tnsubj\t_\tSpaceAfter=No\r\n"
    "4\t.\t_\t_\t_\t_\t1\tpunct\t_\t_\n"
    "\n"
    "# sent_id = b\n"
    "1\txyzzy\t_\t_\t_\t_\t0\troot\t_\t_");

}  // namespace

class TestAnalyser : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void thesaurusAnalysesComeFirstThenTheDatabasesOthers();
    void sentencesEndAtStopsButNotAfterAbbreviatedNames_data();
    void sentencesEndAtStopsButNotAfterAbbreviatedNames();
    void tsvHasOneLinePerAnalysisAndRankZeroForUnknownWords();
    void conlluComesBackWithOnlyItsFourColumnsFilled();
    void conlluAsTsvNumbersSentencesByPositionAndWordsById();
    void textAsConlluHasOneBlockPerSentence();
    void goldLemmasCompareWithoutHomographMarks_data();
    void goldLemmasCompareWithoutHomographMarks();
    void goldFeaturesCompareWhereBothSidesSpeak_data();
    void goldFeaturesCompareWhereBothSidesSpeak();
    void goldScoreCountsWordsNotPunctuation();
    void goldAdverbsCitedUnderTheirSourceAreTheProgramsAdverbs();

  private:
    QTemporaryDir dir_;
    QString path_;
};

void TestAnalyser::initTestCase() {
    path_ = writeDatabase(dir_.path());
}

void TestAnalyser::thesaurusAnalysesComeFirstThenTheDatabasesOthers() {
    analysis::MorphologyDatabase db(path_);
    QVERIFY2(db.isOpen(), qPrintable(db.availability().error()));
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    // The database's own "sum" repeats the thesaurus's: only "edo" is added.
    QCOMPARE(described(analyser.analyse("Est")), (QStringList{"sum|V6|thesaurus", "edo|V3|base"}));
    QCOMPARE(analyser.analyse("Est").front().translation, u"il est"_qs);
    QCOMPARE(analyser.analyse("Est").front().upos, u"AUX"_qs);
    // A form the thesaurus lacks: the database alone.
    const std::vector<analysis::WordAnalysis> rosa = analyser.analyse("rosa");
    QVERIFY(!rosa.empty());
    QVERIFY(described(rosa).filter("thesaurus").isEmpty());
    // An enclitic is named after the translation.
    QVERIFY(analyser.analyse("rosaque").front().translation.endsWith(u"+ -que"));
    QVERIFY(analyser.analyse("xyzzy").empty());
    QVERIFY(analyser.analyseToken("-que").size() == analyser.analyse("que").size());
    QVERIFY(analyser.analyseToken("ab-est").empty());
    QVERIFY(analyser.analyseToken(",").empty());
}

void TestAnalyser::sentencesEndAtStopsButNotAfterAbbreviatedNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sentences");
    QTest::newRow("stops") << "Est rosa. Quid? Nihil! Amant"
                           << QStringList{"Est rosa.", "Quid?", "Nihil!", "Amant"};
    QTest::newRow("abbreviated first names")
        << "C. Iulius Caesar et Cn. Pompeius venerunt. M. Tullius"
        << QStringList{"C. Iulius Caesar et Cn. Pompeius venerunt.", "M. Tullius"};
    QTest::newRow("a capital word is no abbreviation")
        << "Venit Caesar. Roma" << QStringList{"Venit Caesar.", "Roma"};
    QTest::newRow("empty line") << "Arma virumque cano\n  \nTroiae qui"
                                << QStringList{"Arma virumque cano", "Troiae qui"};
    QTest::newRow("line break and semicolon go on")
        << "Arma virumque\ncano; Troiae" << QStringList{"Arma virumque cano; Troiae"};
    QTest::newRow("stops without words") << "... 12. Rosa ?!" << QStringList{"Rosa ?"};
    QTest::newRow("nothing") << "" << QStringList{};
}

void TestAnalyser::sentencesEndAtStopsButNotAfterAbbreviatedNames() {
    QFETCH(QString, text);
    QFETCH(QStringList, sentences);
    QStringList found;
    std::vector<qint64> starts;
    qint64 words = 0;
    for (const analysis::Sentence& s : analysis::cutSentences(text)) {
        found << s.text;
        starts.push_back(words);
        words += s.words.size();
    }
    QCOMPARE(found, sentences);
    // The grid's sentence starts are counted without cutting the sentences, at the same places.
    QCOMPARE(analysis::sentenceStartsOf(text, words), starts);
    const auto cut = analysis::cutSentences("Rosa, rosae. Rosam!");
    QCOMPARE(cut.at(0).words, (QStringList{"Rosa", "rosae"}));
    QCOMPARE(cut.at(1).words, QStringList{"Rosam"});
}

void TestAnalyser::tsvHasOneLinePerAnalysisAndRankZeroForUnknownWords() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    const QStringList lines =
        written("Est in xyzzy. Rosa", analyser, OutputFormat::Tsv, false).split(u'\n');
    QCOMPARE(lines.front(),
             u"phrase\tmot\tforme\trang\tlemme\ttraduction\tcategorie\t"
             "cas_genre_nombre\tmode_temps_voix\tupos\ttraits\tsource"_qs);
    QCOMPARE(lines.back(), QString());  // the last line ends too
    for (const QString& line : lines.mid(0, lines.size() - 1)) {
        QCOMPARE(line.count(u'\t'), 11);
    }
    QCOMPARE(lines[1],
             u"1\t1\tEst\t1\tsum\til est\tV6\t3 sg.\tind. prés.\tAUX\t"
             "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|VerbForm=Fin\t"
             "thesaurus"_qs);
    QVERIFY(lines[2].startsWith(u"1\t1\tEst\t2\tedo\t"));
    QVERIFY(lines[2].endsWith(u"\tbase"));
    QCOMPARE(lines[3], u"1\t2\tin\t1\tin\tdans sur en\tPRE\t\t\tADP\t\tthesaurus"_qs);
    QCOMPARE(lines[4], u"1\t3\txyzzy\t0\t\t\t\t\t\t\t\t"_qs);
    QVERIFY(lines[5].startsWith(u"2\t1\tRosa\t1\trosa\t"));
}

void TestAnalyser::conlluComesBackWithOnlyItsFourColumnsFilled() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    const QStringList in = kConllu.split(u'\n');
    const QStringList out = written(kConllu, analyser, OutputFormat::Conllu, true).split(u'\n');
    QCOMPARE(out.size(), in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QStringList before = in[i].split(u'\t');
        const QStringList after = out[i].split(u'\t');
        const bool wordLine =
            before.size() == 10 && !before[0].contains(u'-') && !before[0].contains(u'.');
        if (!wordLine) {
            QCOMPARE(out[i], in[i]);  // comments, multiword tokens, empty nodes, blank lines
            continue;
        }
        QCOMPARE(after.size(), 10);
        QCOMPARE(after.mid(0, 2), before.mid(0, 2));
        QCOMPARE(after.mid(6), before.mid(6));  // a carriage return stays where it was
    }
    QCOMPARE(out[3],
             u"1\tEst\tsum\tAUX\tV6\tAspect=Imp|Mood=Ind|Number=Sing|Person=3|"
             "Tense=Pres|VerbForm=Fin\t0\troot\t_\t_"_qs);
    QCOMPARE(out[6].split(u'\t').mid(2, 3), (QStringList{"rosa", "NOUN", "N1"}));
    QCOMPARE(out[7], u"4\t.\t.\tPUNCT\t_\t_\t1\tpunct\t_\t_"_qs);
    QCOMPARE(out[10], u"1\txyzzy\t_\t_\t_\t_\t0\troot\t_\t_"_qs);
}

void TestAnalyser::conlluAsTsvNumbersSentencesByPositionAndWordsById() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    const QStringList lines =
        written(kConllu, analyser, OutputFormat::Tsv, true).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.filter(QRegularExpression("^1\t3\trosa\t1\trosa\t")).size() == 1);
    QVERIFY(lines.filter(QRegularExpression("^1\t4\t\\.\t0\t")).size() == 1);
    QCOMPARE(lines.back(), u"2\t1\txyzzy\t0\t\t\t\t\t\t\t\t"_qs);
    // Neither the multiword token nor the empty node is a word of its own.
    QVERIFY(lines.filter("Estne").isEmpty());
    QVERIFY(lines.filter(QRegularExpression("^1\t2\\.1")).isEmpty());
}

void TestAnalyser::textAsConlluHasOneBlockPerSentence() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    QCOMPARE(written("Est\trosa.\nxyzzy", analyser, OutputFormat::Conllu, false),
             u"# sent_id = 1\n# text = Est rosa.\n"
             "1\tEst\tsum\tAUX\tV6\tAspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|"
             "VerbForm=Fin\t_\t_\t_\t_\n"
             "2\trosa\trosa\tNOUN\tN1\t"_qs +
                 analyser.analyse("rosa").front().feats +
                 u"\t_\t_\t_\t_\n\n"
                 "# sent_id = 2\n# text = xyzzy\n1\txyzzy\t_\t_\t_\t_\t_\t_\t_\t_\n\n"_qs);
}

void TestAnalyser::goldLemmasCompareWithoutHomographMarks_data() {
    QTest::addColumn<QString>("gold");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("same");
    QTest::newRow("digit") << "sum1"
                           << "sum" << true;
    QTest::newRow("hash and digit") << "edo#1"
                                    << "edo" << true;
    QTest::newRow("enclitic") << "-que"
                              << "que" << true;
    QTest::newRow("case, i/j, u/v") << "Iuppiter"
                                    << "juppiter" << true;
    QTest::newRow("length marks") << "rosa" << u"rŏsă"_qs << true;
    QTest::newRow("other lemma") << "edo2"
                                 << "sum" << false;
    QTest::newRow("digit inside stays") << "a1b"
                                        << "ab" << false;
    QTest::newRow("one pronoun cited by two forms") << "sui1"
                                                    << "se" << true;
    QTest::newRow("a plural only in the data") << "castrum1"
                                               << "castra" << true;
    QTest::newRow("the plural pronoun under the singular") << "tu1"
                                                           << "vos" << true;
    QTest::newRow("possessive and personal pronoun stay apart") << "nos1"
                                                                << "noster" << false;
}

void TestAnalyser::goldLemmasCompareWithoutHomographMarks() {
    QFETCH(QString, gold);
    QFETCH(QString, offered);
    QFETCH(bool, same);
    QCOMPARE(analysis::comparableLemma(gold) == analysis::comparableLemma(offered), same);
}

void TestAnalyser::goldFeaturesCompareWhereBothSidesSpeak_data() {
    QTest::addColumn<QString>("gold");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("same");
    QTest::newRow("equal") << "Case=Nom|Number=Sing"
                           << "Case=Nom|Number=Sing" << true;
    QTest::newRow("one side only") << "Case=Nom|Gender=Fem|Number=Sing"
                                   << "Case=Nom|Number=Sing|Degree=Pos" << true;
    QTest::newRow("different case") << "Case=Nom|Number=Sing"
                                    << "Case=Abl|Number=Sing" << false;
    QTest::newRow("perfect against future perfect") << "Aspect=Perf|Tense=Past"
                                                    << "Aspect=Perf|Tense=Fut" << false;
    QTest::newRow("features nobody compares") << "Case=Nom|PronType=Rel"
                                              << "Case=Nom" << true;
    QTest::newRow("none") << "_"
                          << "Case=Nom" << true;
}

void TestAnalyser::goldFeaturesCompareWhereBothSidesSpeak() {
    QFETCH(QString, gold);
    QFETCH(QString, offered);
    QFETCH(bool, same);
    QCOMPARE(goldscore::sameFeatures(gold, offered), same);
}

void TestAnalyser::goldScoreCountsWordsNotPunctuation() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = thesaurus();
    WordAnalyser analyser(lists, db);
    const QString ablative = analyser.analyse("rosa").back().feats;
    QVERIFY(ablative != analyser.analyse("rosa").front().feats);
    const QString gold =
        "# sent_id = t-1\n"
        "1\tEst\tedo#1\tVERB\t_\tAspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|"
        "VerbForm=Fin|Voice=Act\t_\t_\t_\t_\n"
        "2\trosa\trosa1\tNOUN\t_\t" +
        ablative +
        "\t_\t_\t_\t_\n"
        "3\t,\t,\tPUNCT\t_\t_\t_\t_\t_\t_\n"
        "\n# sent_id = u-1\n"
        "1\txyzzy\txyzzy\tX\t_\t_\t_\t_\t_\t_\n";
    const goldscore::Score score = goldscore::scoreConllu(gold, analyser);
    const goldscore::Counts& c = score.total;
    QCOMPARE(c.words, 3);
    QCOMPARE(c.analysed, 2);
    QCOMPARE(c.lemmaOffered, 2);
    QCOMPARE(c.lemmaFeaturesOffered, 2);
    QCOMPARE(c.firstLemma, 1);
    QCOMPARE(c.firstLemmaFeatures, 0);
    QCOMPARE(score.byPart.at("t").words, 2);
    QCOMPARE(score.byPart.at("u").words, 1);
    QCOMPARE(score.unanalysed.value("xyzzy"), 1);
}

// The gold cites "multo" the adverb under "multus"; the program's adverb "multo" is that word,
// but not when the gold has the adjective, nor when the program has no adverb of the form.
void TestAnalyser::goldAdverbsCitedUnderTheirSourceAreTheProgramsAdverbs() {
    analysis::MorphologyDatabase db(path_);
    const analysis::ThesaurusLists lists = analysis::listsFromRecords(
        {record("multo", "ADV", "multo", "_", "_", "beaucoup"),
         record("multum", "N2", "multum", "acc. nt. sg.", "_", "grande quantité")});
    WordAnalyser analyser(lists, db);
    const QString gold =
        "# sent_id = t-1\n"
        "1\tmulto\tmultus1\tADV\t_\t_\t_\t_\t_\t_\n"
        "2\tmulto\tmultus1\tADJ\t_\tCase=Abl|Gender=Neut|Number=Sing\t_\t_\t_\t_\n"
        "3\tmultum\tmultus1\tADV\t_\t_\t_\t_\t_\t_\n";
    const goldscore::Counts c = goldscore::scoreConllu(gold, analyser).total;
    QCOMPARE(c.words, 3);
    QCOMPARE(c.lemmaOffered, 1);
    QCOMPARE(c.firstLemmaFeatures, 1);
}

QTEST_GUILESS_MAIN(TestAnalyser)
#include "test_analyser.moc"
