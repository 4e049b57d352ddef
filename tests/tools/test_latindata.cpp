#include "latindata/analyses.h"
#include "latindata/categories.h"
#include "latindata/cells.h"
#include "latindata/coding.h"
#include "latindata/corrections.h"
#include "latindata/coverage.h"
#include "latindata/datafiles.h"
#include "latindata/families.h"
#include "latindata/generator.h"
#include "latindata/handdata.h"
#include "latindata/inflection.h"
#include "latindata/morphologydb.h"
#include "latindata/selection.h"
#include "latindata/spelling.h"

#include "fixturedata.h"

#include "core/coding/coding.h"
#include "core/records/cp1252.h"

#include <QFile>
#include <QSet>
#include <QtTest>

using namespace latindata;
using fixtures::fixture;
using fixtures::fixtureData;
using fixtures::fixtureLists;

namespace {

const Lemma& lemmaNamed(const LexicalData& data, const QString& key) {
    for (const Lemma& lemma : data.lemmas) {
        if (lemma.matchingKey() == key) {
            return lemma;
        }
    }
    qFatal("no lemma %s", qPrintable(key));
}

// The forms of a lemma in school spelling, by cell.
std::map<int, QStringList> formsOf(const LexicalData& data, const QString& key) {
    const Lemma& lemma = lemmaNamed(data, key);
    std::vector<const IrregularForm*> irregulars;
    for (const IrregularForm& form : data.irregulars) {
        if (form.lemmaKey == key) {
            irregulars.push_back(&form);
        }
    }
    std::map<int, QStringList> spelled;
    for (const auto& [cell, list] : inflect(lemma, *data.models.find(lemma.model), irregulars)) {
        for (const QString& form : list) {
            spelled[cell].append(schoolSpelling(form));
        }
    }
    return spelled;
}

// Every string the case-gender-number and mood-tense-voice keypads can compose.
QSet<QString> keypadCompositions(keypads::Keypad keypad) {
    QList<QStringList> parts = {{}};
    for (const keypads::Group* group : keypads::groupsOf(keypad)) {
        QList<QStringList> longer;
        for (const QStringList& start : parts) {
            for (const keypads::Row& row : group->rows) {
                longer.append(start + QStringList{row.code});
            }
        }
        parts = longer;
    }
    QSet<QString> out;
    for (const QStringList& p : parts) {
        out.insert(keypads::compose(keypad, p));
    }
    return out;
}

struct Analysed {
    QString category, lemma, caseGenderNumber, moodTenseVoice, translation;
};

QList<Analysed> analysesOf(const std::vector<records::ThesaurusRecord>& recs, const QString& form) {
    QList<Analysed> out;
    for (const auto& r : recs) {
        if (r.form().trimmed() == form) {
            out.append({r.category().trimmed(), r.lemma().trimmed(), r.caseGenderNumber().trimmed(),
                        r.moodTenseVoice().trimmed(), r.translation().trimmed()});
        }
    }
    return out;
}

}  // namespace

class TestLatinData : public QObject {
    Q_OBJECT

  private slots:
    void schoolSpelling_data();
    void schoolSpelling();
    void keysAndTextsForTheFiles();
    void translationsAreCutAtASeparator_data();
    void translationsAreCutAtASeparator();
    void unreadableLinesAreReported();
    void modelsInheritReplaceAndAdd();
    void lemmasInflectThroughTheirModels();
    void irregularFormsAndSuffixes();
    void cellsAreCodedAsTheKeypadsComposeThem();
    void categoriesFromModelsIndicationsAndTheHandList();
    void cellSharesFollowTheTagCounts();
    void selectionKeepsInvariablesAndWholeForms();
    void generatedThesaurusFromFixtures();
    void generatedLexiconFromFixtures();
    void latinFamiliesFromWordFormation();
    void coverageCountsTokensAsTheWorkspaceCutsThem();
    void handWrittenDataIsAlwaysKept();
    void correctionsChangeTheDataTextBeforeItIsRead();
    void everyLemmaIsInflectedTheThesaurusKeepsTheFrequentOnes();
};

void TestLatinData::schoolSpelling_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("printed");
    QTest::newRow("consonantal u at the start") << u"uĭrŭm"_qs << u"virum"_qs;
    QTest::newRow("u at the start of a vowel-initial word") << u"uōs"_qs << u"vos"_qs;
    QTest::newRow("consonantal u between vowels") << u"nŏuus"_qs << u"novus"_qs;
    QTest::newRow("qu keeps its u") << u"quī"_qs << u"qui"_qs;
    QTest::newRow("vowel u with its mark") << u"sŭa"_qs << u"sua"_qs;
    QTest::newRow("u with dot below") << u"līngụa"_qs << u"lingua"_qs;
    QTest::newRow("su with dot below") << u"sụādĕo"_qs << u"suadeo"_qs;
    QTest::newRow("u after a consonant") << u"quatuordecim"_qs << u"quatuordecim"_qs;
    QTest::newRow("j written i") << u"cūjŭs"_qs << u"cuius"_qs;
    QTest::newRow("capital J") << u"Jūlĭus"_qs << u"Iulius"_qs;
    QTest::newRow("Cyrillic short u for y") << u"Ăbdălōnўmus"_qs << u"Abdalonymus"_qs;
    QTest::newRow("combining breve over a macron") << u"ĕgō̆"_qs << u"ego"_qs;
    QTest::newRow("y with macron") << u"Căȳcus"_qs << u"Caycus"_qs;
    QTest::newRow("digits dropped") << u"ō,ū2"_qs << u"ou"_qs;
}

void TestLatinData::schoolSpelling() {
    QFETCH(QString, source);
    QFETCH(QString, printed);
    QCOMPARE(latindata::schoolSpelling(source), printed);
}

void TestLatinData::keysAndTextsForTheFiles() {
    QCOMPARE(matchingKey(u"cŭm2"), u"cum2"_qs);
    QCOMPARE(matchingKey(u"vīta"), matchingKey(u"uita"));
    QCOMPARE(matchingKey(u"jūs"), u"ius"_qs);
    QCOMPARE(withoutHomonymNumber(u"dīco2"), u"dīco"_qs);
    // The code page keeps French letters and œ, drops what it cannot hold, keeps base letters.
    QCOMPARE(codePageText(u"cœur,  ā  ħ\tété"), u"cœur, a été"_qs);

    const std::vector<Assimilation> list = parseAssimilations(fixture("data/assimilations.la"));
    QCOMPARE(assimilated(u"adtingo"_qs, list), u"attingo"_qs);
    QCOMPARE(assimilated(u"Adcuratus"_qs, list), u"Accuratus"_qs);
    QVERIFY(assimilated(u"attingo"_qs, list).isEmpty());
}

void TestLatinData::translationsAreCutAtASeparator_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("cut");
    QTest::newRow("fits") << u"aimer"_qs << 5 << u"aimer"_qs;
    QTest::newRow("at the last comma")
        << u"celui qui aime, amant, ami"_qs << 22 << u"celui qui aime, amant"_qs;
    QTest::newRow("at a semicolon") << u"bon ; bien, bonne chose"_qs << 9 << u"bon"_qs;
    QTest::newRow("before a bracket") << u"qui, que (cuius = dont)"_qs << 15 << u"qui, que"_qs;
    QTest::newRow("not inside brackets")
        << u"lire (texte, lettre) et écrire"_qs << 20 << u"lire"_qs;
    QTest::newRow("at a word without separator")
        << u"abondance de biens"_qs << 13 << u"abondance de"_qs;
}

void TestLatinData::translationsAreCutAtASeparator() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, cut);
    QCOMPARE(cutAtSeparator(text, width), cut);
}

void TestLatinData::unreadableLinesAreReported() {
    QStringList problems;
    ModelTable::parse(u"R:0:0,0\nmodele:a\npere:nowhere\ndes:x:0:-\nR:0:1\nfoo:1\n", &problems);
    QCOMPARE(problems.size(), 5);  // outside a model, parent, endings, stem, key
    problems.clear();
    const std::vector<Lemma> lemmas =
        parseLemmas(u"ămo|amo|||as, are|809\nābăcus|lupus|-|ābăc|i, m.|7\nbroken|x\n", &problems);
    QCOMPARE(problems.size(), 1);
    QCOMPARE(lemmas.size(), std::size_t(2));
    QVERIFY(!lemmas[0].stem1.has_value());     // the model decides
    QCOMPARE(lemmas[1].stem1, QStringList());  // no such stem
    QCOMPARE(lemmas[1].stem2, QStringList{u"ābăc"_qs});
    QCOMPARE(lemmas[1].frequency, 7);
    problems.clear();
    const std::vector<IrregularForm> irregulars =
        parseIrregulars(u"dīs*:deus:11,12\nbad line\n", &problems);
    QCOMPARE(problems.size(), 1);
    QVERIFY(irregulars.at(0).exclusive);
    QCOMPARE(irregulars.at(0).form, u"dīs"_qs);
    problems.clear();
    CategoryRules::parse(u"# comment\net CC\n", &problems);
    QCOMPARE(problems.size(), 1);
    problems.clear();
    CellTable::parse(u"1:nominatif singulier\n2:nominatif bizarre\n", &problems);
    QCOMPARE(problems.size(), 1);
    // A bare "conj." that the hand list lacks is filed as coordinating, and reported.
    const LexicalData data = fixtureData();
    const CategoryRules empty = CategoryRules::parse(u"", &problems);
    QCOMPARE(empty.kindOf(parseLemmas(u"nam|inv|||conj.|2998", &problems)[0], data.models).category,
             u"CC"_qs);
    QCOMPARE(empty.unlistedConjunctions(), QStringList{u"nam"_qs});
}

void TestLatinData::modelsInheritReplaceAndAdd() {
    QStringList problems;
    const ModelTable models = ModelTable::parse(fixture("data/modeles.la"), &problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    // A child starts as a copy of its parent: roma has uita's endings, epulae lacks 1-6.
    const Model* roma = models.find(u"roma"_qs);
    QCOMPARE(roma->endings.at(4).front().text, u"āe"_qs);
    QCOMPARE(roma->partOfSpeech, QLatin1Char('n'));
    const Model* epulae = models.find(u"epulae"_qs);
    QVERIFY(!epulae->endings.contains(1) && epulae->endings.contains(7));
    // des+ adds to the parent's endings; constants expand with their prefix.
    QCOMPARE(models.find(u"deus"_qs)->endings.at(7).size(), std::size_t(2));
    QCOMPARE(models.find(u"doctus"_qs)->endings.at(25).front().text, u"ă"_qs);
    // Two des lines of one model for one cell add up (amavisse, amasse).
    QCOMPARE(models.find(u"amo"_qs)->endings.at(188).size(), std::size_t(2));
    // A model that redefines stem 0 keeps only its own stems: moneo lacks amo's supine rule,
    // and lego, which redefines it again, lacks moneo's perfect rule but not its endings.
    const Model* moneo = models.find(u"moneo"_qs);
    QVERIFY(!moneo->radicals.contains(2));
    QCOMPARE(moneo->radicals.at(1).kind, RadicalRule::Kind::FromLemma);
    const Model* lego = models.find(u"lego"_qs);
    QVERIFY(!lego->radicals.contains(1));
    QCOMPARE(lego->endings.at(127).front().text, u"ēbăm"_qs);
    const std::vector<const Model*> lineage = models.lineage(u"lego"_qs);
    QCOMPARE(lineage.size(), std::size_t(3));
    QCOMPARE(lineage.back()->name, u"amo"_qs);

    QCOMPARE(dropLetters(u"ĕgō̆"_qs, 1), u"ĕg"_qs);
    bool ok = false;
    QCOMPARE(parseCellList(u"1-3,7", &ok), (std::vector<int>{1, 2, 3, 7}));
    QVERIFY(ok);
    parseCellList(u"3-1", &ok);
    QVERIFY(!ok);
}

void TestLatinData::lemmasInflectThroughTheirModels() {
    const LexicalData data = fixtureData();
    const auto rosa = formsOf(data, u"rosa"_qs);
    QCOMPARE(rosa.at(4), QStringList{u"rosae"_qs});
    QCOMPARE(rosa.at(10), QStringList{u"rosarum"_qs});
    // Absent cells: Belgae has no singular.
    const auto belgae = formsOf(data, u"Belgae"_qs);
    QVERIFY(!belgae.contains(1));
    QCOMPARE(belgae.at(7), QStringList{u"Belgae"_qs});
    // Stems given by the lemma: the genitive stem of amator, the perfect and supine of moneo.
    QCOMPARE(formsOf(data, u"amator"_qs).at(4), QStringList{u"amatoris"_qs});
    const auto moneo = formsOf(data, u"moneo"_qs);
    QCOMPARE(moneo.at(141), QStringList{u"monuit"_qs});
    QCOMPARE(moneo.at(303), QStringList{u"monitus"_qs});
    // A stem the lemma does not give and the model cannot make: timeo has no participle.
    const auto timeo = formsOf(data, u"timeo"_qs);
    QVERIFY(timeo.contains(141) && !timeo.contains(303));
    // Stems computed by the model, several endings for one cell.
    const auto amo = formsOf(data, u"amo"_qs);
    QCOMPARE(amo.at(188), (QStringList{u"amavisse"_qs, u"amasse"_qs}));
    QCOMPARE(amo.at(268), (QStringList{u"amaris"_qs, u"amare"_qs}));
    // A deponent has passive endings in the active cells and a perfect participle.
    const auto imitor = formsOf(data, u"imitor"_qs);
    QCOMPARE(imitor.at(187), QStringList{u"imitari"_qs});
    QCOMPARE(imitor.at(375), QStringList{u"imitatus"_qs});
    // An invariable word is its canonical form.
    QCOMPARE(formsOf(data, u"et"_qs).at(416), QStringList{u"et"_qs});
}

void TestLatinData::irregularFormsAndSuffixes() {
    const LexicalData data = fixtureData();
    const auto deus = formsOf(data, u"deus"_qs);
    QCOMPARE(deus.at(10), (QStringList{u"deorum"_qs, u"deum"_qs}));  // added
    QCOMPARE(deus.at(11), QStringList{u"dis"_qs});                   // replaced
    QCOMPARE(deus.at(7), (QStringList{u"dei"_qs, u"di"_qs}));        // des+ of the model
    QCOMPARE(formsOf(data, u"edo"_qs).at(123), (QStringList{u"edit"_qs, u"est"_qs}));
    // A suffix every form takes, written once where the ending already has it.
    const auto quidam = formsOf(data, u"quidam"_qs);
    QCOMPARE(quidam.at(13), QStringList{u"quidam"_qs});
    QCOMPARE(quidam.at(37), QStringList{u"quiddam"_qs});
}

void TestLatinData::cellsAreCodedAsTheKeypadsComposeThem() {
    QStringList problems;
    const CellTable cells = CellTable::parse(fixture("data/morphos.fr"), &problems);
    QVERIFY(problems.isEmpty());
    const auto coded = [&](int cell, const LemmaKind& kind = {}) {
        bool unknown = false;
        const Coding c = encode(featuresOfAnalysis(*cells.find(cell), kind), &unknown);
        return unknown ? QStringList{u"?"_qs} : QStringList{c.caseGenderNumber, c.moodTenseVoice};
    };
    QCOMPARE(coded(126), (QStringList{u"3 pl."_qs, u"ind. prés. act."_qs}));
    QCOMPARE(coded(34), (QStringList{u"gén. f. pl."_qs, QString()}));
    QCOMPARE(coded(305), (QStringList{u"acc. m. sg."_qs, u"part. parf. pas."_qs}));
    QCOMPARE(coded(262), (QStringList{u"gén. sg."_qs, u"gér."_qs}));
    QCOMPARE(coded(187), (QStringList{QString(), u"inf. prés. act."_qs}));
    LemmaKind noun;
    noun.wordClass = WordClass::Noun;
    noun.gender = u"féminin"_qs;
    QCOMPARE(coded(4, noun), (QStringList{u"gén. f. sg."_qs, QString()}));
    LemmaKind deponent;
    deponent.wordClass = WordClass::Verb;
    deponent.deponent = true;
    QCOMPARE(coded(187, deponent), (QStringList{QString(), u"inf. prés. dép."_qs}));
    QCOMPARE(coded(375, deponent).at(1), u"part. parf. dép."_qs);
    LemmaKind voiceless;
    voiceless.wordClass = WordClass::Verb;
    voiceless.voiceless = true;
    QCOMPARE(coded(123, voiceless).at(1), u"ind. prés."_qs);
    // The keypads have no locative: such a cell is not stored.
    QVERIFY(!isCodable(*cells.find(413)));
    QVERIFY(isCodable(*cells.find(1)));
}

void TestLatinData::categoriesFromModelsIndicationsAndTheHandList() {
    const LexicalData data = fixtureData();
    const CategoryRules rules = fixtureLists().categories;
    const auto kind = [&](const char16_t* key) {
        return rules.kindOf(lemmaNamed(data, QString::fromUtf16(key)), data.models);
    };
    QCOMPARE(kind(u"rosa").category, u"N1"_qs);
    QCOMPARE(kind(u"rosa").gender, u"féminin"_qs);
    QCOMPARE(kind(u"Belgae").category, u"N1"_qs);  // a model's nearest listed ancestor
    QCOMPARE(kind(u"amator").category, u"N3"_qs);
    QCOMPARE(kind(u"bonus").category, u"A1"_qs);
    QCOMPARE(kind(u"qui2").category, u"DP"_qs);  // part of speech: pronoun
    QCOMPARE(kind(u"duco").category, u"V3"_qs);
    QVERIFY(kind(u"imitor").deponent);
    QCOMPARE(kind(u"imitor").category, u"V1"_qs);
    QVERIFY(kind(u"sum").voiceless && !kind(u"amo").voiceless);
    QCOMPARE(kind(u"sum").category, u"V6"_qs);
    QCOMPARE(kind(u"in").category, u"PRE"_qs);  // indications
    QCOMPARE(kind(u"semiter").category, u"ADV"_qs);
    QCOMPARE(kind(u"et").category, u"CC"_qs);  // hand list
    QVERIFY(kind(u"o").category.isEmpty());    // nothing fits: left out
    QVERIFY(rules.unlistedConjunctions().isEmpty());
    QCOMPARE(genderOf(u"ei, m. et f."), u"masculin"_qs);
    QVERIFY(namesPluralOnly(u"um, m. pl.") && namesPluralOnly(u"ium"));
    QVERIFY(!namesPluralOnly(u"umbrae, f.") && !namesPluralOnly(u"ae, f."));
    QVERIFY(genderOf(u"is, ere, legi").isEmpty());
    // Two genders named together; a gender further on is of another form.
    const QStringList both{u"masculin"_qs, u"féminin"_qs};
    QCOMPARE(gendersOf(u"ei, m. et f."), both);
    QCOMPARE(gendersOf(u"is, m. f."), both);
    QCOMPARE(gendersOf(u"i, m. (pl. loca, n.)"), QStringList{u"masculin"_qs});
    QCOMPARE(kind(u"dux").otherGender, u"féminin"_qs);
    QVERIFY(kind(u"rosa").otherGender.isEmpty());
}

void TestLatinData::cellSharesFollowTheTagCounts() {
    const LexicalData data = fixtureData();
    const std::map<int, double> noun =
        data.weights.cellShares(WordClass::Noun, {1, 3, 4, 413, 416});
    double total = 0;
    for (const auto& [cell, share] : noun) {
        total += share;
    }
    QVERIFY(qAbs(total - 1.0) < 1e-9);
    QVERIFY(!noun.contains(413) && !noun.contains(416));  // no tag for these
    QVERIFY(qAbs(noun.at(3) / noun.at(1) - 907.0 / 807.0) < 1e-9);
    // Within one tag: the third person and the active take most of the present indicative.
    const std::map<int, double> verb =
        data.weights.cellShares(WordClass::Verb, {121, 123, 269, 127, 187});
    QVERIFY(verb.at(123) > verb.at(121) && verb.at(123) > verb.at(269));
    QVERIFY(verb.at(123) > verb.at(127));  // the present indicative is counted apart
    QCOMPARE(CellWeights::tagOf(WordClass::Verb, *data.cells.find(127)), u"v1 "_qs);
    QCOMPARE(CellWeights::tagOf(WordClass::Verb, *data.cells.find(305)), u"w31"_qs);
}

void TestLatinData::selectionKeepsInvariablesAndWholeForms() {
    // records, expected occurrences, required
    const std::vector<FormGroup> groups = {
        {1, 0.5, true}, {3, 30, false}, {1, 20, false}, {2, 12, false}, {1, 1, false}};
    QCOMPARE(chooseGroups(groups, 4), (std::vector<bool>{true, false, true, true, false}));
    // A group that does not fit leaves room for smaller ones after it.
    QCOMPARE(chooseGroups(groups, 5), (std::vector<bool>{true, true, true, false, false}));
    QCOMPARE(chooseGroups(groups, 6), (std::vector<bool>{true, true, true, false, true}));
}

void TestLatinData::generatedThesaurusFromFixtures() {
    const LexicalData data = fixtureData();
    // Within a small limit: the invariables, then whole forms, the most expected first.
    const int limit = 50;
    const auto small = generate(data, fixtureLists(), limit).thesaurus;
    QVERIFY(static_cast<int>(small.size()) <= limit && small.size() > 45);
    QCOMPARE(analysesOf(small, u"semiter"_qs).size(), 1);
    QCOMPARE(analysesOf(small, u"est"_qs).size(), 2);
    QVERIFY(analysesOf(small, u"rosarum"_qs).isEmpty());

    const Generated out = generate(data, fixtureLists());
    const auto& recs = out.thesaurus;
    QCOMPARE(static_cast<qsizetype>(recs.size()), out.analysesForThesaurus);

    // In ascending order of lower-cased form, numbered by position, every value coded.
    const QSet<QString> cgn = keypadCompositions(keypads::Keypad::CaseGenderNumber);
    const QSet<QString> mtv = keypadCompositions(keypads::Keypad::MoodTenseVoice);
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const auto& r = recs[i];
        QCOMPARE(r.number(), static_cast<qint16>(i + 1));
        if (i > 0) {
            QVERIFY(records::cp1252::toLower(recs[i - 1].form().trimmed()) <=
                    records::cp1252::toLower(r.form().trimmed()));
        }
        const QString c = r.caseGenderNumber().trimmed();
        const QString m = r.moodTenseVoice().trimmed();
        QVERIFY2(c == records::kEmptyMarker || cgn.contains(r.caseGenderNumber().trimmed()) ||
                     cgn.contains(c + QLatin1Char(' ')),
                 qPrintable(c));
        QVERIFY2(m == records::kEmptyMarker || mtv.contains(m), qPrintable(m));
    }
    const auto est = analysesOf(recs, u"est"_qs);
    QCOMPARE(est.size(), 2);
    QCOMPARE(est[0].lemma, u"sum"_qs);  // the most expected first
    QCOMPARE(est[0].moodTenseVoice, u"ind. prés."_qs);
    QCOMPARE(est[1].lemma, u"edo"_qs);
    QCOMPARE(est[1].moodTenseVoice, u"ind. prés. act."_qs);
    // The vocative spelt like the nominative is the nominative's analysis.
    const auto belgae = analysesOf(recs, u"Belgae"_qs);
    QCOMPARE(belgae.size(), 1);
    QCOMPARE(belgae[0].caseGenderNumber, u"nom. m. pl."_qs);
    // One analysis without gender for a form of the three genders.
    QCOMPARE(analysesOf(recs, u"quarum"_qs).front().caseGenderNumber, u"gén. f. pl."_qs);
    QSet<QString> bonis;
    for (const Analysed& a : analysesOf(recs, u"bonis"_qs)) {
        bonis.insert(a.caseGenderNumber);
    }
    QCOMPARE(bonis, (QSet<QString>{u"dat. pl."_qs, u"abl. pl."_qs}));
    // The locative has no code: Romae is only a genitive, dative and plural.
    for (const Analysed& a : analysesOf(recs, u"Romae"_qs)) {
        QVERIFY(!a.caseGenderNumber.isEmpty() && a.caseGenderNumber != records::kEmptyMarker);
    }
    // A word without singular, whatever its model could make.
    QVERIFY(analysesOf(recs, u"Carnutem"_qs).isEmpty());
    const auto carnutes = analysesOf(recs, u"Carnutes"_qs);  // its model had no plural stem
    QCOMPARE(carnutes.size(), 1);
    QCOMPARE(carnutes[0].caseGenderNumber, u"nom. m. pl."_qs);
    // A deponent, an invariable from the hand list, a translation cut at a separator.
    const auto imitari = analysesOf(recs, u"imitari"_qs);
    QCOMPARE(imitari.size(), 1);
    QCOMPARE(imitari[0].moodTenseVoice, u"inf. prés. dép."_qs);
    QCOMPARE(analysesOf(recs, u"et"_qs).front().category, u"CC"_qs);
    QCOMPARE(analysesOf(recs, u"sum"_qs).front().translation,
             u"être (en tête de phrase : il y a) ; exister, se trouver"_qs);
    QVERIFY(analysesOf(recs, u"o"_qs).isEmpty());  // no category: left out
}

void TestLatinData::generatedLexiconFromFixtures() {
    const Generated out = generate(fixtureData(), fixtureLists());
    const auto& lex = out.lexicon;
    QCOMPARE(static_cast<qsizetype>(lex.size()), out.lemmasUsed);
    QStringList lemmas;
    for (std::size_t i = 0; i < lex.size(); ++i) {
        QCOMPARE(lex[i].number(), static_cast<qint16>(i + 1));
        lemmas.append(lex[i].lemma().trimmed());
    }
    QStringList sorted = lemmas;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return records::cp1252::toLower(a) < records::cp1252::toLower(b);
    });
    QCOMPARE(lemmas, sorted);
    const auto& amo = lex[static_cast<std::size_t>(lemmas.indexOf(u"amo"_qs))];
    QCOMPARE(amo.category().trimmed(), u"V1"_qs);
    QCOMPARE(amo.frenchFamily().trimmed(), u"aimer, amour, amant"_qs);
    QCOMPARE(amo.latinFamily().trimmed(), u"amator, adamo"_qs);
    const auto& amator = lex[static_cast<std::size_t>(lemmas.indexOf(u"amator"_qs))];
    QCOMPARE(amator.translation().trimmed(),
             u"celui qui aime, amant, ami ; amateur [de qqch], "
             u"admirateur, partisan enthousiaste, adorateur"_qs);
    const auto& duco = lex[static_cast<std::size_t>(lemmas.indexOf(u"duco"_qs))];
    QCOMPARE(duco.latinFamily().trimmed(), u"adduco"_qs);
    QVERIFY(lex[static_cast<std::size_t>(lemmas.indexOf(u"rosa"_qs))]
                .latinFamily()
                .trimmed()
                .isEmpty());
    // Rare lemmas are in the lexicon even when the thesaurus leaves them out.
    QVERIFY(lemmas.contains(u"semiter"_qs));
}

void TestLatinData::latinFamiliesFromWordFormation() {
    const auto candidate = [](const char* word, const char* category, QStringList s0 = {},
                              QStringList s1 = {}, QStringList s2 = {}, int frequency = 10) {
        return FamilyCandidate{QString::fromUtf8(word),
                               QString::fromLatin1(category),
                               QString(),
                               s0,
                               s1,
                               s2,
                               frequency};
    };
    const std::vector<FamilyCandidate> c = {
        candidate("liber", "A1", {u"liber"_qs}),                           // 0
        candidate("libere", "ADV", {u"liber"_qs}),                         // 1
        candidate("fortis", "A2", {u"fort"_qs}, {u"fort"_qs}),             // 2
        candidate("fortitudo", "N3", {}, {u"fortitudin"_qs}),              // 3
        candidate("bellum", "N2", {}, {u"bell"_qs}),                       // 4
        candidate("bellicus", "A1", {u"bellic"_qs}),                       // 5
        candidate("facio", "V5", {u"fac"_qs}, {u"fec"_qs}, {u"fact"_qs}),  // 6
        candidate("efficio", "V5", {u"effic"_qs}, {u"effec"_qs}),          // 7
        candidate("factio", "N3", {}, {u"faction"_qs}),                    // 8
        // Two verbs spelt alike: a compound of either is left unlinked.
        candidate("pendo", "V3", {u"pend"_qs}),      // 9
        candidate("pendo", "V3", {u"pend"_qs}),      // 10
        candidate("appendo", "V3", {u"append"_qs}),  // 11
        // A perfect that disagrees: no link.
        candidate("capio", "V5", {u"cap"_qs}, {u"cep"_qs}),          // 12
        candidate("decipio", "V5", {u"decip"_qs}, {u"decepit"_qs}),  // 13
    };
    const std::vector<std::vector<int>> families = latinFamilies(c);
    QCOMPARE(families[1], std::vector<int>{0});
    QCOMPARE(families[3], std::vector<int>{2});
    QCOMPARE(families[5], std::vector<int>{4});
    QCOMPARE(families[6], (std::vector<int>{7, 8}));
    QVERIFY(families[11].empty());
    QVERIFY(families[13].empty());
}

void TestLatinData::coverageCountsTokensAsTheWorkspaceCutsThem() {
    std::vector<records::ThesaurusRecord> recs(3);
    const QStringList forms = {u"est"_qs, u"est"_qs, u"Gallia"_qs};
    for (int i = 0; i < 3; ++i) {
        recs[static_cast<std::size_t>(i)].setForm(forms[i]);
    }
    const Coverage c = measureCoverage(u"Gallia est omnis divisa; GALLIA, Omnis: omnis-que"_qs,
                                       analysis::listsFromRecords(recs));
    QCOMPARE(c.words, qint64(8));
    QCOMPARE(c.found, qint64(3));
    QCOMPARE(c.missing.size(), std::size_t(3));
    QCOMPARE(c.missing[0], (std::pair<QString, qint64>{u"omnis"_qs, 3}));
    QCOMPARE(c.missing[1].first, u"divisa"_qs);
    QCOMPARE(c.missing[2].first, u"que"_qs);
}

// The school paradigms are kept whatever the corpus says; the generated analyses of the forms
// they give are left out; the result is ordered and numbered again.
void TestLatinData::handWrittenDataIsAlwaysKept() {
    QStringList problems;
    const auto hand = parseHandAnalyses(
        u"# form\tcategory\tlemma\tcase\tmood\ttranslation\n"
        "rosae\tN1\trosa\tgén. f. sg.\t_\tde la rose\n"
        "Rosa\tN1\trosa\tnom. f. sg.\t_\tla rose\n"
        "bad line\n"_qs,
        &problems);
    QCOMPARE(hand.size(), std::size_t(2));
    QCOMPARE(problems.size(), 1);
    const auto generated = parseHandAnalyses(
        u"amo\tV1\tamo\t1 sg.\tind. prés. act.\taimer\n"
        "rosa\tN1\tRosa\tnom. f. sg.\t_\trose\n"
        "rosae\tN1\trosa\tdat. f. sg.\t_\tà la rose\n"_qs,
        &problems);
    const auto merged = mergeAnalyses(hand, generated);
    QStringList seen;
    for (std::size_t i = 0; i < merged.size(); ++i) {
        QCOMPARE(merged[i].number(), qint16(i + 1));
        seen << merged[i].form().trimmed() + QLatin1Char('|') + merged[i].translation().trimmed();
    }
    QCOMPARE(seen, (QStringList{u"amo|aimer"_qs, u"Rosa|la rose"_qs, u"rosae|de la rose"_qs}));

    const auto handLemmas =
        parseHandLemmas(u"Garumna\tN1\tla Garonne\t\t\nrosa\tN1\tla rose\t\t\n"_qs, &problems);
    const auto generatedLemmas = parseHandLemmas(u"rosa\tN1\trose\trosier\t\n"_qs, &problems);
    const auto lexicon = mergeLemmas(handLemmas, generatedLemmas, 10);
    QCOMPARE(lexicon.size(), std::size_t(2));
    QCOMPARE(lexicon[0].lemma().trimmed(), u"Garumna"_qs);
    QCOMPARE(lexicon[1].frenchFamily().trimmed(), u"rosier"_qs);
    QCOMPARE(lexicon[1].number(), qint16(2));
    QCOMPARE(mergeLemmas(handLemmas, generatedLemmas, 1).size(), std::size_t(1));
}

void TestLatinData::correctionsChangeTheDataTextBeforeItIsRead() {
    QStringList problems;
    const Corrections c = parseCorrections(
        u"! why\n[modeles.la]\nmodele:uita\nabs:2\nmodele:adcomp\nR:0:K\ndes:411:0:-\n"
        u"[lemmes.la]\nrŏsa|uita|||ae, f.|99\nrŏsa9|inv|||adv.|5\n"
        u"[lemmes.fr]\nrosa9:en rose\n[irregs.la]\nrosai:rosa:4\n[autre]\nligne\n"_qs,
        &problems);
    QCOMPARE(problems.size(), 1);  // the line of an unknown section
    // A model's lines go at the end of its own block, before the next model; a new model last.
    const QString models = correctedModels(u"modele:uita\ndes:1:0:a\n\nmodele:lupus\n"_qs, c);
    QCOMPARE(models,
             u"modele:uita\ndes:1:0:a\n\nabs:2\nmodele:lupus\n\n"
             u"modele:adcomp\nR:0:K\ndes:411:0:-"_qs);
    // A lemma replaces the line of its key (marks and j/v folded), a new key is added.
    QCOMPARE(correctedLemmas(u"! c\nrosa|uita|||ae, f.|63\nlupus|lupus|||i, m.|1"_qs, c),
             u"! c\nrŏsa|uita|||ae, f.|99\nlupus|lupus|||i, m.|1\nrŏsa9|inv|||adv.|5"_qs);
    QCOMPARE(correctedTranslations(u"rosa9:rose\nrosa:rose"_qs, c), u"rosa9:en rose\nrosa:rose"_qs);
    QCOMPARE(correctedIrregulars(u"a:b:1"_qs, c), u"a:b:1\nrosai:rosa:4"_qs);

    // Read with the data: the corrected lemma and the added irregular form are there.
    LexicalData data;
    problems.clear();
    QVERIFY(readLexicalData(fixtures::kFixtures + QStringLiteral("/data"), &data, &problems, c));
    QCOMPARE(lemmaNamed(data, u"rosa"_qs).frequency, 99);
    QVERIFY(formsOf(data, u"rosa"_qs).at(4).contains(u"rosai"_qs));
    QVERIFY(!formsOf(data, u"rosa"_qs).contains(2));
}

void TestLatinData::everyLemmaIsInflectedTheThesaurusKeepsTheFrequentOnes() {
    const LexicalData data = fixtureData();
    // The extended lexicon adds what the main one lacks, never counted; rosa stays the noun.
    QCOMPARE(lemmaNamed(data, u"rosa"_qs).model, u"uita"_qs);
    QVERIFY(lemmaNamed(data, u"propheta"_qs).extended);
    QCOMPARE(lemmaNamed(data, u"propheta"_qs).frequency, 0);
    QCOMPARE(data.translations.value(u"propheta"_qs), u"prophète"_qs);
    QCOMPARE(data.translations.value(u"rosa"_qs), u"rose"_qs);

    MorphologyTables tables;
    const Generated out = generate(data, fixtureLists(),
                                   static_cast<int>(records::kMaxRecordNumber), nullptr, &tables);
    QCOMPARE(static_cast<qsizetype>(out.thesaurus.size()), out.analysesForThesaurus);
    QVERIFY(out.analysesForThesaurus < out.analysesMade);
    const auto inDatabase = [&](const QString& form, const QString& lemma) {
        return std::any_of(tables.analyses.begin(), tables.analyses.end(), [&](const auto& a) {
            return a.form == form && tables.lemmas[std::size_t(a.lemma)].lemma == lemma;
        });
    };
    // A rare lemma and one of the extended lexicon: every form in the database, none in the
    // thesaurus; the extended one is not in the lexicon either.
    QVERIFY(inDatabase(u"morarum"_qs, u"mora"_qs) && inDatabase(u"prophetarum"_qs, u"propheta"_qs));
    QVERIFY(analysesOf(out.thesaurus, u"morarum"_qs).isEmpty());
    QVERIFY(analysesOf(out.thesaurus, u"prophetarum"_qs).isEmpty());
    QStringList lexicon;
    for (const auto& r : out.lexicon) {
        lexicon.append(r.lemma().trimmed());
    }
    QVERIFY(lexicon.contains(u"mora"_qs) && !lexicon.contains(u"propheta"_qs));
    // A noun of two genders is analysed in both.
    QSet<QString> ducem;
    for (const Analysed& a : analysesOf(out.thesaurus, u"ducem"_qs)) {
        ducem.insert(a.caseGenderNumber);
    }
    QCOMPARE(ducem, (QSet<QString>{u"acc. m. sg."_qs, u"acc. f. sg."_qs}));
}

QTEST_GUILESS_MAIN(TestLatinData)
#include "test_latindata.moc"
