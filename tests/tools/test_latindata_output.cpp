#include "latindata/coverage.h"
#include "latindata/generator.h"
#include "latindata/inflection.h"
#include "latindata/spelling.h"

#include "core/coding/coding.h"
#include "core/morphology/morphology.h"
#include "core/records/cp1252.h"
#include "core/records/recordfile.h"
#include "core/text/textfile.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Checks of the base thesaurus and the lexicon that the build generated from the Latin lexical
// data; skipped when the build used the small hand-written data instead.
using namespace latindata;

namespace {

const QString kBuildData = QStringLiteral(MORPHO_BUILD_DATA_DIR);

struct Found {
    QString category, lemma, caseGenderNumber, moodTenseVoice;
    bool operator==(const Found&) const = default;
};

}  // namespace

class TestLatinDataOutput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void thesaurusIsOrderedNumberedAndCoded();
    void knownAnalyses();
    void knownFormsOfTheData();
    void lexiconIsOneRecordPerLemmaInOrder();
    void caesarIsMostlyFound();
    void anotherAuthorIsMostlyFound();
    void almostEveryWordHasAProposal_data();
    void almostEveryWordHasAProposal();
    void irregularWordsAreRight();
    void wordsOfTwoClassesHaveBoth();
    void everyLemmaAndTheExtendedLexiconAreInTheDatabase();
    void spellingsEditionsPrintHaveTheirWord();

  private:
    QList<Found> analysesOf(const QString& form) const;
    // lemma|category|case-gender-number|mood-tense-voice of each proposal of the database.
    QStringList proposed(const QString& form);

    std::unique_ptr<analysis::MorphologyDatabase> morphology_;
    std::vector<records::ThesaurusRecord> thesaurus_;
    std::vector<records::LexiconRecord> lexicon_;
};

void TestLatinDataOutput::initTestCase() {
    if (!LATINDATA_GENERATED) {
        QSKIP("the build used the hand-written data: no Latin lexical data folder");
    }
    auto t = records::readAllRecords<records::ThesaurusRecord>(kBuildData +
                                                               QStringLiteral("/donnees.dat"));
    auto l = records::readAllRecords<records::LexiconRecord>(kBuildData +
                                                             QStringLiteral("/lexique.dat"));
    QVERIFY(t.ok() && l.ok());
    thesaurus_ = std::move(t).value();
    lexicon_ = std::move(l).value();
}

QList<Found> TestLatinDataOutput::analysesOf(const QString& form) const {
    QList<Found> out;
    for (const auto& r : thesaurus_) {
        if (r.form().trimmed() == form) {
            out.append({r.category().trimmed(), r.lemma().trimmed(), r.caseGenderNumber().trimmed(),
                        r.moodTenseVoice().trimmed()});
        }
    }
    return out;
}

void TestLatinDataOutput::thesaurusIsOrderedNumberedAndCoded() {
    QVERIFY(thesaurus_.size() > 30000);
    QVERIFY(static_cast<qint64>(thesaurus_.size()) <= records::kMaxRecordNumber);
    QSet<QString> categories;
    for (const keypads::Row& row : keypads::categoryGroup().codeRows()) {
        categories.insert(row.code);
    }
    QString previous;
    for (std::size_t i = 0; i < thesaurus_.size(); ++i) {
        const auto& r = thesaurus_[i];
        QCOMPARE(r.number(), static_cast<qint16>(i + 1));
        const QString lowered = records::cp1252::toLower(r.form().trimmed());
        QVERIFY2(previous <= lowered, qPrintable(lowered));
        previous = lowered;
        QVERIFY2(categories.contains(r.category().trimmed()), qPrintable(r.category()));
        QVERIFY(!r.lemma().trimmed().isEmpty() && !r.translation().trimmed().isEmpty());
    }
}

void TestLatinDataOutput::knownAnalyses() {
    QCOMPARE(analysesOf(u"amo"_qs),
             (QList<Found>{{u"V1"_qs, u"amo"_qs, u"1 sg."_qs, u"ind. prés. act."_qs}}));
    // Both lemmas of an ambiguous form, the most frequent first.
    QCOMPARE(analysesOf(u"est"_qs),
             (QList<Found>{{u"V6"_qs, u"sum"_qs, u"3 sg."_qs, u"ind. prés."_qs},
                           {u"V6"_qs, u"edo"_qs, u"3 sg."_qs, u"ind. prés. act."_qs}}));
    QVERIFY(analysesOf(u"quarum"_qs)
                .contains({u"DP"_qs, u"qui"_qs, u"gén. f. pl."_qs, records::kEmptyMarker}));
    QVERIFY(analysesOf(u"Belgae"_qs)
                .contains({u"N1"_qs, u"Belgae"_qs, u"nom. m. pl."_qs, records::kEmptyMarker}));
    QVERIFY(analysesOf(u"oriuntur"_qs)
                .contains({u"V4"_qs, u"orior"_qs, u"3 pl."_qs, u"ind. prés. dép."_qs}));
    // The school paradigms are there whatever the corpus frequencies.
    QVERIFY(analysesOf(u"rosae"_qs)
                .contains({u"N1"_qs, u"rosa"_qs, u"gén. f. sg."_qs, records::kEmptyMarker}));
    QVERIFY(analysesOf(u"divisa"_qs)
                .contains({u"V3"_qs, u"divido"_qs, u"nom. f. sg."_qs, u"part. parf. pas."_qs}));
    QVERIFY(analysesOf(u"vos"_qs).size() >= 1);
    QVERIFY(analysesOf(u"uos"_qs).isEmpty());
}

// Forms the thesaurus may leave out for want of room are still made right from the data.
void TestLatinDataOutput::knownFormsOfTheData() {
    LexicalData data;
    QStringList problems;
    QVERIFY(readLexicalData(QStringLiteral(LATINDATA_SOURCE_DIR), &data, &problems));
    const auto formsOf = [&](const QString& key) {
        std::map<int, QStringList> out;
        for (const Lemma& lemma : data.lemmas) {
            if (lemma.matchingKey() != key) {
                continue;
            }
            for (const auto& [cell, forms] : inflect(lemma, *data.models.find(lemma.model), {})) {
                for (const QString& f : forms) {
                    out[cell].append(schoolSpelling(f));
                }
            }
        }
        return out;
    };
    const auto rosa = formsOf(u"rosa"_qs);
    for (int cell : {4, 5, 7, 8}) {
        QCOMPARE(rosa.at(cell), QStringList{u"rosae"_qs});
    }
    const auto divido = formsOf(u"diuido"_qs);
    QCOMPARE(divido.at(315), QStringList{u"divisa"_qs});  // nominative feminine, perfect passive
    QCOMPARE(divido.at(123), QStringList{u"dividit"_qs});
    QCOMPARE(formsOf(u"lingua"_qs).at(1), QStringList{u"lingua"_qs});
}

void TestLatinDataOutput::lexiconIsOneRecordPerLemmaInOrder() {
    QVERIFY(lexicon_.size() > 20000);
    QVERIFY(static_cast<qint64>(lexicon_.size()) <= records::kMaxRecordNumber);
    QString previous;
    int withLatinFamily = 0;
    for (std::size_t i = 0; i < lexicon_.size(); ++i) {
        const auto& r = lexicon_[i];
        QCOMPARE(r.number(), static_cast<qint16>(i + 1));
        const QString lowered = records::cp1252::toLower(r.lemma().trimmed());
        QVERIFY(previous <= lowered);
        previous = lowered;
        withLatinFamily += r.latinFamily().trimmed().isEmpty() ? 0 : 1;
        if (lowered == u"aqua") {
            QVERIFY(r.frenchFamily().contains(u"aquatique"));
            QCOMPARE(r.category().trimmed(), u"N1"_qs);
        }
    }
    QVERIFY(withLatinFamily > 3000);
}

void TestLatinDataOutput::caesarIsMostlyFound() {
    const auto text = shell::readTextFile(QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt"));
    QVERIFY(text.ok());
    const Coverage coverage =
        measureCoverage(text.value().text, analysis::listsFromRecords(thesaurus_));
    QCOMPARE(coverage.words, qint64(178));
    QVERIFY2(coverage.share() >= 0.80, qPrintable(QString::number(coverage.share())));
}

// A text that none of the hand-written analyses was made for: Cicero, In Catilinam 1, 1-2.
void TestLatinDataOutput::anotherAuthorIsMostlyFound() {
    const auto text =
        shell::readTextFile(QStringLiteral(LATINDATA_FIXTURES_DIR "/cicero-in-catilinam-1-1.txt"));
    QVERIFY(text.ok());
    const Coverage coverage =
        measureCoverage(text.value().text, analysis::listsFromRecords(thesaurus_));
    QCOMPARE(coverage.words, qint64(149));
    QVERIFY2(coverage.share() >= 0.85, qPrintable(QString::number(coverage.share())));
}

void TestLatinDataOutput::almostEveryWordHasAProposal_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("Caesar") << QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt");
    QTest::newRow("Cicero") << QStringLiteral(LATINDATA_FIXTURES_DIR
                                              "/cicero-in-catilinam-1-1.txt");
}

// The morphology database proposes analyses for the forms the thesaurus has no room for.
void TestLatinDataOutput::almostEveryWordHasAProposal() {
    QFETCH(QString, path);
    const auto text = shell::readTextFile(path);
    QVERIFY(text.ok());
    analysis::MorphologyDatabase morphology(kBuildData + QStringLiteral("/morphologie.sqlite"));
    QVERIFY2(morphology.isOpen(), qPrintable(morphology.availability().error()));
    const Coverage coverage =
        measureCoverage(text.value().text, analysis::listsFromRecords(thesaurus_), &morphology);
    QVERIFY2(coverage.proposedShare() >= 0.97,
             qPrintable(QString::number(coverage.proposedShare())));
    QVERIFY(coverage.proposed >= coverage.found);
}

QStringList TestLatinDataOutput::proposed(const QString& form) {
    if (!morphology_) {
        morphology_ = std::make_unique<analysis::MorphologyDatabase>(
            kBuildData + QStringLiteral("/morphologie.sqlite"));
    }
    QStringList out;
    for (const analysis::ProposedAnalysis& a : morphology_->proposals(form)) {
        out << QStringList{a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice}.join(u'|');
    }
    return out;
}

void TestLatinDataOutput::irregularWordsAreRight() {
    // fio: fieri is its infinitive; no invented passive or infinitive.
    QCOMPARE(proposed(u"fieri"_qs), QStringList{u"fio|V6|_|inf. prés."_qs});
    for (const char* invented : {"fire", "fior", "fitur", "fiuntur"}) {
        QVERIFY2(proposed(QString::fromLatin1(invented)).isEmpty(), invented);
    }
    QVERIFY(proposed(u"fit"_qs).contains(u"fio|V6|3 sg.|ind. prés."_qs));
    // quidam
    QCOMPARE(proposed(u"quandam"_qs), QStringList{u"quidam|DP|acc. f. sg.|_"_qs});
    QCOMPARE(proposed(u"quendam"_qs), QStringList{u"quidam|DP|acc. m. sg.|_"_qs});
    QVERIFY(proposed(u"quoddam"_qs).contains(u"quidam|DP|nom. nt. sg.|_"_qs));
    QVERIFY(proposed(u"quaedam"_qs).contains(u"quidam|DP|nom. f. sg.|_"_qs));
    // fac beside dic, duc, fer.
    QVERIFY(proposed(u"fac"_qs).contains(u"facio|V5|2 sg.|imp. prés."_qs));
    // ostendo's participle and supine.
    QVERIFY(proposed(u"ostensum"_qs).contains(u"ostendo|V3|acc. sg.|sup."_qs));
    QVERIFY(!proposed(u"ostentus"_qs).contains(u"ostendo|V3|nom. m. sg.|part. parf. pas."_qs));
    // Gerundives of the compounds of eo.
    QVERIFY(proposed(u"transeundum"_qs).contains(u"transeo|V6|nom. nt. sg.|adj. verb."_qs));
    QVERIFY(proposed(u"adeundae"_qs).contains(u"adeo|V6|gén. f. sg.|adj. verb."_qs));
    // No degrees for ethnic adjectives.
    QVERIFY(proposed(u"Mauriores"_qs).isEmpty() && proposed(u"Calaberrimo"_qs).isEmpty());
    QVERIFY(!proposed(u"Mauros"_qs).isEmpty());
    // The preposition a/ab/abs before the interjection a.
    QCOMPARE(proposed(u"a"_qs).value(0), u"ab|PRE|_|_"_qs);
    QCOMPARE(proposed(u"abs"_qs).value(0), u"ab|PRE|_|_"_qs);
    QVERIFY(proposed(u"a"_qs).contains(u"a|interj|_|_"_qs));
    // Archaic forms editions print.
    QVERIFY(proposed(u"ausim"_qs).contains(u"audeo|V2|1 sg.|subj. parf. act."_qs));
    QVERIFY(proposed(u"faxo"_qs).contains(u"facio|V5|1 sg.|ind. fut. ant."_qs));
    // An enclitic printed apart.
    QVERIFY(proposed(u"que"_qs).contains(u"que|CC|_|_"_qs));
}

void TestLatinDataOutput::wordsOfTwoClassesHaveBoth() {
    for (const char* word : {"post", "supra", "iuxta", "prae", "ante", "usque", "infra", "circa"}) {
        const QStringList found = proposed(QString::fromLatin1(word));
        const QString name = QString::fromLatin1(word);
        QVERIFY2(found.contains(name + u"|ADV|_|_"_qs) && found.contains(name + u"|PRE|_|_"_qs),
                 qPrintable(found.join(u", ")));
    }
    QCOMPARE(proposed(u"cito"_qs).value(0), u"cito|ADV|_|_"_qs);
    for (const char* noun : {"dies", "finis", "dux", "serpens"}) {
        const QStringList found = proposed(QString::fromLatin1(noun));
        const QString name = QString::fromLatin1(noun);
        const auto hasGender = [&](const char* gender) {
            return std::any_of(found.begin(), found.end(), [&](const QString& f) {
                return f.startsWith(name + u'|') &&
                       f.contains(QStringLiteral("nom. %1 sg.").arg(QLatin1String(gender)));
            });
        };
        QVERIFY2(hasGender("m.") && hasGender("f."), qPrintable(found.join(u", ")));
    }
    // Comparatives without positive keep their degree (in the database's cell).
    analysis::MorphologyDatabase db(kBuildData + QStringLiteral("/morphologie.sqlite"));
    for (const char* adverb : {"magis", "prius", "potius"}) {
        const auto lemmas = db.lemmasNamed(QString::fromLatin1(adverb));
        QVERIFY(!lemmas.empty());
        const auto forms = db.formsOfLemma(lemmas.front().id);
        QVERIFY(!forms.empty());
        QCOMPARE(forms.front().features.degree, u"comparatif"_qs);
    }
}

// Lemmas the data counts fewer than ten times and those of the extended lexicon are inflected;
// the extended ones come after the main lexicon's.
void TestLatinDataOutput::everyLemmaAndTheExtendedLexiconAreInTheDatabase() {
    QVERIFY(proposed(u"paravit"_qs).contains(u"paro|V1|3 sg.|ind. parf. act."_qs));
    QVERIFY(proposed(u"servum"_qs).contains(u"servus|N2|acc. m. sg.|_"_qs));
    QVERIFY(!proposed(u"egressus"_qs).filter(u"egredior|"_qs).isEmpty());
    for (const char* form : {"prophetae", "abyssum", "intelligibilis"}) {
        QVERIFY2(!proposed(QString::fromLatin1(form)).isEmpty(), form);
    }
    analysis::MorphologyDatabase db(kBuildData + QStringLiteral("/morphologie.sqlite"));
    const auto propheta = db.lemmasNamed(u"propheta"_qs);
    QVERIFY(!propheta.empty());
    QCOMPARE(propheta.front().frequency, 0);
    QVERIFY(!db.formsOfLemma(propheta.front().id).empty());
    // Not in the lexicon: it stays within its 32 767 records.
    QVERIFY(std::none_of(lexicon_.begin(), lexicon_.end(),
                         [](const auto& r) { return r.lemma().trimmed() == u"propheta"; }));
}

void TestLatinDataOutput::spellingsEditionsPrintHaveTheirWord() {
    const auto lemmaOf = [&](const char* form, const char* lemma) {
        return !proposed(QString::fromLatin1(form))
                    .filter(QRegularExpression(QStringLiteral("^%1\\|").arg(QLatin1String(lemma))))
                    .isEmpty();
    };
    QVERIFY(lemmaOf("adspiro", "aspiro") && lemmaOf("inpono", "impono"));
    QVERIFY(lemmaOf("inmundus", "immundus") && lemmaOf("conligo", "colligo"));
    QVERIFY(lemmaOf("mutastis", "muto") && lemmaOf("exisset", "exeo"));
    QVERIFY(lemmaOf("introisset", "introeo") && lemmaOf("audisse", "audio"));
    QVERIFY(lemmaOf("ingeni", "ingenium") && lemmaOf("Pompei", "Pompeius"));
    QVERIFY(lemmaOf("consili", "consilium") && lemmaOf("duxti", "duco"));
    QVERIFY(proposed(u"ingeni"_qs).filter(u"|nom."_qs).isEmpty());  // a genitive only
    QVERIFY(lemmaOf("tanquam", "tamquam") && lemmaOf("tamquam", "tanquam"));
    QVERIFY(lemmaOf("nil", "nihil") && lemmaOf("nihil", "nil"));
}

QTEST_GUILESS_MAIN(TestLatinDataOutput)
#include "test_latindata_output.moc"
