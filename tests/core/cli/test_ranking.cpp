// The command-line analyser's ranking in context, on the build's base thesaurus, morphology
// database and tag statistics: the analysis at rang 1, which CoNLL-U writes, is the one the
// sentence calls for.

#include "core/lookup/thesauruslists.h"
#include "core/morphology/batchanalysis.h"
#include "core/morphology/morphology.h"
#include "core/records/paths.h"
#include "core/tagger/tagger.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QtTest>

#include <optional>

namespace {

QString dataFile(const QString& name) {
    return QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(name);
}

// The word lines of a sentence written as CoNLL-U to be filled.
QString conlluOf(const QStringList& words) {
    QString text = QStringLiteral("# sent_id = s-1\n");
    for (qsizetype i = 0; i < words.size(); ++i) {
        text += QStringLiteral("%1\t%2\t_\t_\t_\t_\t_\t_\t_\t_\n").arg(i + 1).arg(words[i]);
    }
    return text + u'\n';
}

}  // namespace

class TestRanking : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void rangOneIsWhatTheSentenceCallsFor_data();
    void rangOneIsWhatTheSentenceCallsFor();

  private:
    analysis::ThesaurusLists thesaurus_;
    std::optional<analysis::MorphologyDatabase> database_;
    std::optional<analysis::TagModel> tags_;
};

void TestRanking::initTestCase() {
    const QString thesaurus = dataFile(records::paths::kBaseThesaurusName);
    const QString tags = dataFile(QStringLiteral("tags.la"));
    if (!QFileInfo::exists(thesaurus) || !QFileInfo::exists(tags)) {
        QSKIP("the build has no Latin lexical data");
    }
    const auto loaded = analysis::loadThesaurusLists(thesaurus);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error()));
    thesaurus_ = loaded.value();
    database_.emplace(dataFile(analysis::MorphologyDatabase::kFileName));
    QVERIFY(database_->isOpen());
    tags_ = analysis::TagModel::load(tags);
    QVERIFY(tags_);
}

void TestRanking::rangOneIsWhatTheSentenceCallsFor_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("feats");
    QTest::newRow("cum before an ablative: preposition")
        << QStringList{"Caesar", "cum", "copiis", "suis", "venit", "."} << 1 << "cum"
        << "PRE"
        << "_";
    QTest::newRow("cum before an ablative, first word: preposition")
        << QStringList{"cum", "exercitu", "venit", "."} << 0 << "cum"
        << "PRE"
        << "_";
    QTest::newRow("cum before a subjunctive: conjunction")
        << QStringList{"cum", "venisset", ",", "pugnavit", "."} << 0 << "cum"
        << "CS"
        << "_";
    QTest::newRow("rosa after a preposition: ablative")
        << QStringList{"in", "rosa", "sedet", "."} << 1 << "rosa"
        << "N1"
        << "Case=Abl|Gender=Fem|Number=Sing";
    QTest::newRow("inter se: accusative, plural as the verb")
        << QStringList{"Belgae", "inter", "se", "differunt", "."} << 2 << "se"
        << "DP"
        << "Case=Acc|Number=Plur";
    QTest::newRow("se: singular as the verb")
        << QStringList{"Caesar", "se", "recepit", "."} << 1 << "se"
        << "DP"
        << "Case=Acc|Number=Sing";
    QTest::newRow("a neuter before a verb with a subject: the object")
        << QStringList{"Caesar", "praesidium", "relinquit", "."} << 1 << "praesidium"
        << "N2"
        << "Case=Acc|Gender=Neut|Number=Sing";
    QTest::newRow("tres takes the gender of partes")
        << QStringList{"Gallia", "est", "divisa", "in", "partes", "tres", "."} << 5 << "tres"
        << "num"
        << "Case=Acc|Gender=Fem|Number=Plur";
}

void TestRanking::rangOneIsWhatTheSentenceCallsFor() {
    QFETCH(QStringList, words);
    QFETCH(int, word);
    QFETCH(QString, lemma);
    QFETCH(QString, category);
    QFETCH(QString, feats);
    analysis::WordAnalyser analyser(thesaurus_, *database_, &*tags_);
    QString output;
    QTextStream out(&output);
    analysis::writeConlluAnalyses(conlluOf(words), analyser, analysis::OutputFormat::Conllu, out);
    out.flush();
    const QStringList line = output.split(u'\n')[word + 1].split(u'\t');
    QCOMPARE(line.value(1), words[word]);
    QCOMPARE(line.value(2), lemma);
    QCOMPARE(line.value(4), category);
    QCOMPARE(line.value(5), feats);
}

QTEST_GUILESS_MAIN(TestRanking)
#include "test_ranking.moc"
