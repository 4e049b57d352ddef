#include "latindata/handdata.h"
#include "latindata/morphologydb.h"

#include "core/morphology/normalise.h"
#include "core/paradigm/paradigm.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The paradigm of a lemma from the morphology database: the tables of the hand-written data
// and of the generated data, the lemma it is asked for, and its printed and exported forms.
using namespace analysis;

namespace {

const QString kBuildDatabase =
    QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(MorphologyDatabase::kFileName);

// The database of hand-written analyses alone, by default those a build without the Latin data
// has.
QString writeHandDatabase(const QString& folder,
                          QByteArray tsv = readFile(QStringLiteral(MORPHO_SOURCE_DATA_DIR
                                                                   "/donnees.tsv"))) {
    QStringList problems;
    latindata::MorphologyTables tables;
    latindata::addHandAnalyses(tables,
                               latindata::parseHandAnalyses(QString::fromUtf8(tsv), &problems));
    const QString path = QDir(folder).filePath(MorphologyDatabase::kFileName);
    QString error;
    if (tsv.isEmpty() || !problems.isEmpty() ||
        !latindata::writeMorphologyDatabase(path, tables, &error)) {
        qFatal("cannot write the database: %s", qPrintable(error + problems.join(u' ')));
    }
    return path;
}

Paradigm paradigm(MorphologyDatabase& db, const QString& lemma, const QString& form = {},
                  const QString& category = {}) {
    const ParadigmLookup found = lookUpParadigm(db, lemma, form, category);
    if (found.lemmas.empty()) {
        qWarning("%s", qPrintable(found.message));
        return {};
    }
    return paradigmOf(db, found.lemmas[found.chosen], form);
}

QStringList titles(const Paradigm& p) {
    QStringList out;
    for (const ParadigmTable& t : p.tables) {
        out << t.title;
    }
    return out;
}

const ParadigmTable& table(const Paradigm& p, const QString& title) {
    static const ParadigmTable none;
    for (const ParadigmTable& t : p.tables) {
        if (t.title == title) {
            return t;
        }
    }
    qWarning("no table %s", qPrintable(title));
    return none;
}

// "Row: forms | forms", a highlighted cell between brackets.
QStringList lines(const ParadigmTable& t) {
    QStringList out;
    for (qsizetype r = 0; r < t.rows.size(); ++r) {
        QStringList cells;
        for (qsizetype c = 0; c < t.columns.size(); ++c) {
            const ParadigmCell& cell = t.cell(r, c);
            const QString text = cell.forms.join(QStringLiteral(", "));
            cells << (cell.highlighted ? u'[' + text + u']' : text);
        }
        out << t.rows[r] + QStringLiteral(": ") + cells.join(QStringLiteral(" | "));
    }
    return out;
}

// The forms of the cell at a row and column named by their headers.
QString at(const ParadigmTable& t, const QString& row, const QString& column) {
    const qsizetype r = t.rows.indexOf(row);
    const qsizetype c = t.columns.indexOf(column);
    return r < 0 || c < 0 ? QStringLiteral("?") : t.cell(r, c).forms.join(QStringLiteral(", "));
}

LemmaForm form(const QString& text, const QString& grammaticalCase, const QString& gender,
               const QString& number, const QString& degree = QStringLiteral("positif")) {
    LemmaForm f;
    f.form = text;
    f.folded = foldedForm(text);
    f.features.grammaticalCase = grammaticalCase;
    f.features.gender = gender;
    f.features.number = number;
    f.features.degree = degree;
    return f;
}

}  // namespace

// The tests on the generated data are skipped when the build used the hand-written data.
#define NEED_GENERATED_DATA()                                                        \
    if (!LATINDATA_GENERATED) {                                                      \
        QSKIP("the build used the hand-written data: no Latin lexical data folder"); \
    }

class TestParadigm : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void databaseGivesTheLemmasOfANameAndTheirForms();
    void nounsByCaseAndNumber();
    void verbByPersonAndTenseForEachMoodAndVoice();
    void sumHasNoVoice();
    void formIsHighlightedAsTextsWriteIt();
    void lemmaIsChosenAmongHomographs();
    void lookupSaysWhyThereIsNoParadigm();
    void tablesFollowTheFeatures();
    void printedPagesAndCsvRows();

    // On the generated data.
    void nounOfEachDeclension_data();
    void nounOfEachDeclension();
    void adjectiveByGenderAndDegree();
    void regularVerbOfEachConjugation_data();
    void regularVerbOfEachConjugation();
    void deponentVerb();
    void generatedSumAndHomographs();

  private:
    QTemporaryDir dir_;
    QString hand_;
};

void TestParadigm::initTestCase() {
    hand_ = writeHandDatabase(dir_.path());
}

void TestParadigm::databaseGivesTheLemmasOfANameAndTheirForms() {
    MorphologyDatabase db(hand_);
    // Names folded as forms are: capitals, u/v, i/j, accents; homographs apart.
    const std::vector<DatabaseLemma> vir = db.lemmasNamed(u"  UIR "_qs);
    QCOMPARE(vir.size(), std::size_t(1));
    QCOMPARE(vir[0].lemma, u"vir"_qs);
    QCOMPARE(vir[0].category, u"N2"_qs);
    QCOMPARE(db.lemmasNamed(u"Cúm"_qs).size(), std::size_t(2));
    for (const QString& none : {QString(), QStringLiteral("vi"), QStringLiteral("viri"),
                                QStringLiteral("v%"), QStringLiteral("12")}) {
        QVERIFY2(db.lemmasNamed(none).empty(), qPrintable(none));
    }
    // Every analysis of the lemma.
    const std::vector<LemmaForm> rosa = db.formsOfLemma(db.lemmasNamed("rosa").at(0).id);
    QCOMPARE(rosa.size(), std::size_t(12));
    QVERIFY(db.formsOfLemma(-1).empty());
    QVERIFY(db.isOpen());
    // A name written with letters beyond ASCII is folded as well.
    QTemporaryDir other;
    MorphologyDatabase aeneas(
        writeHandDatabase(other.path(), u"Aeneas\tN1\tÆneas\tnom. m. sg.\t_\tÉnée\n"_qs.toUtf8()));
    QCOMPARE(aeneas.lemmasNamed("aeneas").size(), std::size_t(1));
    QCOMPARE(aeneas.lemmasNamed("AENEAS").front().lemma, u"Æneas"_qs);
    QVERIFY(aeneas.lemmasNamed("aenea").empty());
}

void TestParadigm::nounsByCaseAndNumber() {
    MorphologyDatabase db(hand_);
    const Paradigm rosa = paradigm(db, "rosa");
    QCOMPARE(rosa.lemma.category, u"N1"_qs);
    QCOMPARE(titles(rosa), QStringList{u"Déclinaison (féminin)"_qs});
    QCOMPARE(rosa.tables[0].columns, (QStringList{"Singulier", "Pluriel"}));
    QCOMPARE(lines(rosa.tables[0]),
             (QStringList{"Nominatif: rosa | rosae", "Vocatif: rosa | rosae",
                          "Accusatif: rosam | rosas", u"Génitif: rosae | rosarum"_qs,
                          "Datif: rosae | rosis", "Ablatif: rosa | rosis"}));
}

void TestParadigm::verbByPersonAndTenseForEachMoodAndVoice() {
    MorphologyDatabase db(hand_);
    const Paradigm amo = paradigm(db, "amo", "amabam");
    QCOMPARE(
        titles(amo),
        (QStringList{u"Indicatif actif"_qs, "Subjonctif actif", u"Impératif actif"_qs,
                     "Indicatif passif", "Subjonctif passif", u"Impératif passif"_qs,
                     "Formes nominales", u"Participe présent actif, singulier"_qs,
                     u"Participe présent actif, pluriel"_qs, "Participe futur actif, singulier",
                     "Participe futur actif, pluriel", "Participe parfait passif, singulier",
                     "Participe parfait passif, pluriel", "Adjectif verbal, singulier",
                     "Adjectif verbal, pluriel"}));
    const ParadigmTable& indicative = amo.tables[0];
    QCOMPARE(indicative.columns, (QStringList{u"Présent"_qs, "Imparfait", "Futur", "Parfait",
                                              "Plus-que-parfait", u"Futur antérieur"_qs}));
    QCOMPARE(
        lines(indicative),
        (QStringList{"1re pers. sg.: amo | [amabam] | amabo | amavi | amaveram | amavero",
                     "2e pers. sg.: amas | amabas | amabis | amavisti | amaveras | amaveris",
                     "3e pers. sg.: amat | amabat | amabit | amavit | amaverat | amaverit",
                     "1re pers. pl.: amamus | amabamus | amabimus | amavimus | amaveramus | "
                     "amaverimus",
                     "2e pers. pl.: amatis | amabatis | amabitis | amavistis | amaveratis | "
                     "amaveritis",
                     "3e pers. pl.: amant | amabant | amabunt | amavere, amaverunt | amaverant | "
                     "amaverint"}));
    QVERIFY(indicative.note.isEmpty());
    // The imperative has only the persons it has; the passive says how its perfect is made.
    QCOMPARE(table(amo, u"Impératif actif"_qs).rows,
             (QStringList{"2e pers. sg.", "3e pers. sg.", "2e pers. pl.", "3e pers. pl."}));
    QCOMPARE(at(table(amo, u"Impératif actif"_qs), "3e pers. sg.", u"Présent"_qs), QString());
    QCOMPARE(at(table(amo, "Indicatif passif"), "2e pers. sg.", u"Présent"_qs),
             u"amare, amaris"_qs);
    QCOMPARE(table(amo, "Indicatif passif").note,
             u"Parfait, plus-que-parfait et futur antérieur : participe parfait et sum (amatus "
             u"sum, amatus eram, amatus ero)."_qs);
    QVERIFY(table(amo, "Subjonctif passif").note.contains(u"amatus sim, amatus essem"_qs));
    QCOMPARE(lines(table(amo, "Formes nominales")),
             (QStringList{u"Infinitif présent actif: amare"_qs, "Infinitif parfait actif: amavisse",
                          u"Infinitif présent passif: amari"_qs,
                          u"Gérondif (accusatif): amandum"_qs, u"Gérondif (génitif): amandi"_qs,
                          u"Gérondif (datif): amando"_qs, u"Gérondif (ablatif): amando"_qs,
                          "Supin en -um: amatum", "Supin en -u: amatu"}));
    QVERIFY(table(amo, "Formes nominales").list);
    // Participles are declined by gender; the vocative the data leaves out is the nominative.
    const ParadigmTable& participle = table(amo, "Participe parfait passif, singulier");
    QCOMPARE(at(participle, "Vocatif", "Masculin"), u"amate"_qs);
    QCOMPARE(at(participle, "Vocatif", u"Féminin"_qs), u"amata"_qs);
}

void TestParadigm::sumHasNoVoice() {
    MorphologyDatabase db(hand_);
    const Paradigm sum = paradigm(db, "sum");
    QCOMPARE(titles(sum).mid(0, 4),
             (QStringList{"Indicatif", "Subjonctif", u"Impératif"_qs, "Formes nominales"}));
    QCOMPARE(at(sum.tables[0], "1re pers. sg.", u"Présent"_qs), u"sum"_qs);
    QCOMPARE(at(sum.tables[1], "1re pers. sg.", "Imparfait"), u"essem, forem"_qs);
    QCOMPARE(lines(table(sum, "Formes nominales")),
             (QStringList{u"Infinitif présent: esse"_qs, "Infinitif futur: fore",
                          "Infinitif parfait: fuisse"}));
    QVERIFY(table(sum, "Indicatif").note.isEmpty());  // no passive to make
}

void TestParadigm::formIsHighlightedAsTextsWriteIt() {
    MorphologyDatabase db(hand_);
    // Folded as forms are matched: capitals, accents, v written u.
    Paradigm rosa = paradigm(db, "rosa", u"ROSǼ"_qs);
    QCOMPARE(rosa.marked, u"rosae"_qs);
    QCOMPARE(lines(rosa.tables[0]).mid(0, 4),
             (QStringList{"Nominatif: rosa | [rosae]", "Vocatif: rosa | [rosae]",
                          "Accusatif: rosam | rosas", u"Génitif: [rosae] | rosarum"_qs}));
    QVERIFY(paradigm(db, "amo", "AMAUIT").tables[0].cell(2, 3).highlighted);
    // A form with an enclitic that the whole form is not: the word before it.
    rosa = paradigm(db, "rosa", "rosamque");
    QCOMPARE(rosa.marked, u"rosam"_qs);
    QVERIFY(rosa.tables[0].cell(2, 0).highlighted);
    // A form of another lemma, or none: nothing is highlighted.
    for (const QString& other : {QStringLiteral("amabam"), QString(), QStringLiteral("12")}) {
        rosa = paradigm(db, "rosa", other);
        QVERIFY(rosa.marked.isEmpty());
        QVERIFY(!rosa.tables[0].hasHighlight());
    }
}

void TestParadigm::lemmaIsChosenAmongHomographs() {
    MorphologyDatabase db(hand_);
    ParadigmLookup cum = lookUpParadigm(db, "cum", {}, {});
    QCOMPARE(cum.lemmas.size(), std::size_t(2));
    QCOMPARE(lookUpParadigm(db, "cum", {}, "CS").chosen, std::size_t(1));
    QCOMPARE(lookUpParadigm(db, "CUM ", {}, "cs").lemmas[1].category, u"CS"_qs);
    QCOMPARE(lemmaChoiceText(cum.lemmas[1]),
             u"cum (CS) – quand, lorsque; comme, puisque; bien que"_qs);
    // An invariable word is its one form; the forms of its lemma are listed together.
    const Paradigm ab = paradigm(db, "ab");
    QCOMPARE(titles(ab), QStringList{"Mot invariable"});
    QCOMPARE(lines(ab.tables[0]), QStringList{"Forme: a, ab"});
    // The same name in capitals is a lemma of its own; the one written so comes first.
    QCOMPARE(lookUpParadigm(db, "Gallia", {}, {}).lemmas.front().lemma, u"Gallia"_qs);
    QCOMPARE(paradigm(db, "gallia").lemma.lemma, u"Gallia"_qs);
}

void TestParadigm::lookupSaysWhyThereIsNoParadigm() {
    MorphologyDatabase db(hand_);
    for (const QString& none : {QString(), QStringLiteral("  "), QStringLiteral("_")}) {
        const ParadigmLookup found = lookUpParadigm(db, none, {}, {});
        QVERIFY(found.lemmas.empty());
        QCOMPARE(found.message,
                 u"Aucun lemme n'est indiqué : il n'y a pas de paradigme à montrer."_qs);
    }
    QCOMPARE(lookUpParadigm(db, "xyzzy", "xyzzy", {}).message,
             u"Le lemme « xyzzy » n'est pas dans la base morphologique : son paradigme n'est pas "
             u"connu."_qs);
    QVERIFY(lookUpParadigm(db, "rosa rosa", {}, {}).lemmas.empty());

    const QString missing = dir_.filePath("absente.sqlite");
    MorphologyDatabase absent(missing);
    QCOMPARE(
        lookUpParadigm(absent, "rosa", {}, {}).message,
        "La base morphologique n'est pas disponible : le fichier " + missing + " est introuvable.");
    // A database found unreadable while it is read closes and says why.
    const QString spoilt = dir_.filePath("abimee.sqlite");
    QVERIFY(QFile::copy(hand_, spoilt));
    MorphologyDatabase db2(spoilt);
    QVERIFY(db2.isOpen());
    QByteArray bytes = readFile(spoilt);
    bytes.replace(1024, bytes.size() - 1024, QByteArray(bytes.size() - 1024, '\xff'));
    QVERIFY(writeFile(spoilt, bytes));
    const ParadigmLookup found = lookUpParadigm(db2, "rosa", {}, {});
    QVERIFY(found.lemmas.empty());
    QVERIFY(found.message.startsWith(u"La base morphologique n'est pas disponible : "_qs));
    QVERIFY(found.message.contains(u"illisible"_qs));
}

void TestParadigm::tablesFollowTheFeatures() {
    DatabaseLemma lemma{1, "felix", "A2", "heureux", 0};
    const QString sg = "singulier", pl = "pluriel";
    // An analysis without gender holds for all three; the vocative is the nominative's.
    std::vector<LemmaForm> forms = {form("felix", "nominatif", "", sg),
                                    form("felix", "accusatif", "neutre", sg),
                                    form("felicem", "accusatif", "masculin", sg),
                                    form("felicem", "accusatif", "féminin", sg),
                                    form("felicis", "génitif", "", sg),
                                    form("felicis", "génitif", "", sg),
                                    form("felicia", "nominatif", "neutre", pl),
                                    form("felices", "nominatif", "masculin", pl),
                                    form("felicior", "nominatif", "", sg, "comparatif"),
                                    form("felicius", "nominatif", "neutre", sg, "comparatif")};
    forms.back().features.caseGenderNumber = "nom. nt. sg.";
    LemmaForm locative = form("Romae", "locatif", "", sg);
    locative.features.caseGenderNumber = "loc. sg.";
    forms.push_back(locative);
    forms.push_back(form("felix", "", "", "", ""));
    forms.back().features.mood = "optatif";
    Paradigm p = buildParadigm(lemma, forms, "FELICIS");
    QCOMPARE(titles(p), (QStringList{"Positif, singulier", "Positif, pluriel",
                                     "Comparatif, singulier", "Autres formes"}));
    // A singular and its plural are paired by what they hold, not by their titles.
    QVERIFY(isPluralOf(p.tables[0], p.tables[1]));
    QVERIFY(!isPluralOf(p.tables[1], p.tables[2]) && !isPluralOf(p.tables[2], p.tables[3]));
    ParadigmTable retitled = p.tables[1];
    retitled.title = "Comparatif, pluriel";
    QVERIFY(!isPluralOf(p.tables[2], retitled));
    QCOMPARE(lines(p.tables[0]),
             (QStringList{"Nominatif: felix | felix | felix", "Vocatif: felix | felix | felix",
                          "Accusatif: felicem | felicem | felix",
                          u"Génitif: [felicis] | [felicis] | [felicis]"_qs, "Datif:  |  | ",
                          "Ablatif:  |  | "}));
    QCOMPARE(p.tables[1].columns, (QStringList{"Masculin", "Neutre"}));  // no feminine form
    QCOMPARE(at(p.tables[2], "Nominatif", "Neutre"), u"felicius"_qs);
    QCOMPARE(at(p.tables[2], "Nominatif", u"Féminin"_qs), u"felicior"_qs);
    // What no table places is listed under its coded values.
    QCOMPARE(lines(p.tables[3]), (QStringList{"loc. sg.: Romae", "(sans analyse): felix"}));

    // A pronoun with the same forms in every gender: by case and number, and no vocative.
    lemma = {2, "ego", "DP", "moi", 0};
    forms = {form("ego", "nominatif", "masculin", sg), form("ego", "nominatif", "féminin", sg),
             form("egomet", "nominatif", "", sg), form("mihi", "datif", "", sg),
             form("mi", "datif", "", sg)};
    p = buildParadigm(lemma, forms, {});
    QCOMPARE(titles(p), QStringList{u"Déclinaison"_qs});
    QCOMPARE(lines(p.tables[0]), (QStringList{"Nominatif: ego, egomet", "Datif: mi, mihi"}));
    // A noun keeps its six cases, the ones the data lacks empty.
    lemma.category = "N3";
    QCOMPARE(buildParadigm(lemma, forms, {}).tables[0].rows.size(), 6);
}

void TestParadigm::printedPagesAndCsvRows() {
    MorphologyDatabase db(hand_);
    const Paradigm amo = paradigm(db, "amo", "amabam");
    const Pages pages = paradigmListing(amo);
    QVERIFY(pages.size() >= 2);
    const QString rule = QString(64, u'-');
    QCOMPARE(
        pages[0].mid(0, 8),
        (QStringList{
            "Paradigme : amo", u"Catégorie : V1"_qs, "Traduction : " + amo.lemma.translation,
            "Forme : amabam (entre crochets dans les tableaux)", rule,
            u"Indicatif actif : Présent | Imparfait | Futur"_qs,
            "1re pers. sg. : amo | [amabam] | amabo", "2e pers. sg. : amas | amabas | amabis"}));
    QStringList all;
    for (const QStringList& page : pages) {
        // Whole blocks a page, each closed by its rule.
        QVERIFY(page.size() <= kParadigmLinesPerPage);
        QCOMPARE(page.last(), rule);
        all << page;
    }
    // Six tenses print as two blocks of three, four as two of two; a list names no column.
    QVERIFY(all.contains(u"Indicatif actif : Parfait | Plus-que-parfait | Futur antérieur"_qs));
    QVERIFY(all.contains(u"Subjonctif actif : Parfait | Plus-que-parfait"_qs));
    QVERIFY(all.contains(u"3e pers. sg. : — | amato"_qs));
    QVERIFY(all.contains("Formes nominales"));
    // A note closes its table's last block.
    const qsizetype note = all.indexOf(table(amo, "Indicatif passif").note);
    QVERIFY(note > 0);
    QCOMPARE(all[note - 1], u"3e pers. pl. : amantur | amabantur | amabuntur"_qs);
    QCOMPARE(all[note + 1], rule);
    QVERIFY(paradigmListing(Paradigm{}).isEmpty());
    for (const QStringList& page : paradigmListing(paradigm(db, "amo"))) {
        QVERIFY(!page.join(u'\n').contains(u'['));  // no form asked for, none marked
    }

    // One CSV line per form, variants apart.
    const QList<QStringList> rows = paradigmCsvRows(amo);
    qsizetype forms = 0;
    for (const ParadigmTable& t : amo.tables) {
        for (const auto& row : t.cells) {
            for (const ParadigmCell& c : row) {
                forms += c.forms.size();
            }
        }
    }
    QCOMPARE(rows.size(), forms);
    QVERIFY(rows.contains({"Indicatif actif", "3e pers. pl.", "Parfait", "amavere"}));
    QVERIFY(rows.contains({"Indicatif actif", "3e pers. pl.", "Parfait", "amaverunt"}));
    QVERIFY(rows.contains({"Formes nominales", "Supin en -u", "Formes", "amatu"}));
}

void TestParadigm::nounOfEachDeclension_data() {
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("singular");  // nominative, vocative, genitive
    QTest::addColumn<QStringList>("plural");    // accusative, genitive, ablative
    QTest::newRow("1re") << "rosa"
                         << "N1" << QStringList{"rosa", "rosa", "rosae"}
                         << QStringList{"rosas", "rosarum", "rosis"};
    QTest::newRow("2e") << "dominus"
                        << "N2" << QStringList{"dominus", "domine", "domini"}
                        << QStringList{"dominos", "dominorum", "dominis"};
    QTest::newRow("3e") << "civis"
                        << "N3" << QStringList{"civis", "civis", "civis"}
                        << QStringList{"cives, civis", "civium", "civibus"};
    QTest::newRow("4e") << "fructus"
                        << "N4" << QStringList{"fructus", "fructus", "fructus"}
                        << QStringList{"fructus", "fructuum", "fructibus"};
    QTest::newRow("5e") << "res"
                        << "N5" << QStringList{"res", "res", "rei"}
                        << QStringList{"res", "rerum", "rebus"};
}

void TestParadigm::nounOfEachDeclension() {
    NEED_GENERATED_DATA();
    QFETCH(QString, lemma);
    QFETCH(QString, category);
    QFETCH(QStringList, singular);
    QFETCH(QStringList, plural);
    MorphologyDatabase db(kBuildDatabase);
    const Paradigm p = paradigm(db, lemma, {}, category);
    QCOMPARE(p.lemma.category, category);
    QCOMPARE(p.tables.size(), std::size_t(1));
    const ParadigmTable& t = p.tables[0];
    QCOMPARE(t.rows,
             (QStringList{"Nominatif", "Vocatif", "Accusatif", u"Génitif"_qs, "Datif", "Ablatif"}));
    QCOMPARE((QStringList{at(t, "Nominatif", "Singulier"), at(t, "Vocatif", "Singulier"),
                          at(t, u"Génitif"_qs, "Singulier")}),
             singular);
    QCOMPARE((QStringList{at(t, "Accusatif", "Pluriel"), at(t, u"Génitif"_qs, "Pluriel"),
                          at(t, "Ablatif", "Pluriel")}),
             plural);
}

void TestParadigm::adjectiveByGenderAndDegree() {
    NEED_GENERATED_DATA();
    MorphologyDatabase db(kBuildDatabase);
    const Paradigm bonus = paradigm(db, "bonus", "bonae", "A1");
    QCOMPARE(titles(bonus).mid(0, 3),
             (QStringList{"Positif, singulier", "Positif, pluriel", "Comparatif, singulier"}));
    const ParadigmTable& singular = bonus.tables[0];
    QCOMPARE(
        lines(singular).mid(0, 4),
        (QStringList{"Nominatif: bonus | bona | bonum", "Vocatif: bone | bona | bonum",
                     "Accusatif: bonum | bonam | bonum", u"Génitif: boni | [bonae] | boni"_qs}));
    QCOMPARE(at(bonus.tables[1], "Nominatif", u"Féminin"_qs), u"bonae"_qs);
    QVERIFY(bonus.tables[1].cell(0, 1).highlighted);
    QCOMPARE(at(bonus.tables[2], "Nominatif", "Neutre"), u"melius"_qs);
    // Third-class: one form for the three genders where the data gives it without gender.
    const Paradigm felix = paradigm(db, "felix", {}, "A2");
    QCOMPARE(lines(felix.tables[0]).mid(0, 4),
             (QStringList{"Nominatif: felix | felix | felix", "Vocatif: felix | felix | felix",
                          "Accusatif: felicem | felicem | felix",
                          u"Génitif: felicis | felicis | felicis"_qs}));
    QVERIFY(titles(felix).contains("Superlatif, pluriel"));
}

void TestParadigm::regularVerbOfEachConjugation_data() {
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("category");
    // Present 1 sg. and 3 pl., perfect 1 sg., present infinitive, passive present 1 sg.
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("1re") << "amo"
                         << "V1" << QStringList{"amo", "amant", "amavi", "amare", "amor"};
    QTest::newRow("2e") << "moneo"
                        << "V2" << QStringList{"moneo", "monent", "monui", "monere", "moneor"};
    QTest::newRow("3e") << "rego"
                        << "V3" << QStringList{"rego", "regunt", "rexi", "regere", "regor"};
    QTest::newRow("4e") << "audio"
                        << "V4"
                        << QStringList{"audio", "audiunt", "audii, audivi", "audire", "audior"};
    QTest::newRow("mixte") << "capio"
                           << "V5" << QStringList{"capio", "capiunt", "cepi", "capere", "capior"};
}

void TestParadigm::regularVerbOfEachConjugation() {
    NEED_GENERATED_DATA();
    QFETCH(QString, lemma);
    QFETCH(QString, category);
    QFETCH(QStringList, forms);
    MorphologyDatabase db(kBuildDatabase);
    const Paradigm p = paradigm(db, lemma, {}, category);
    QCOMPARE(p.lemma.category, category);
    const ParadigmTable& active = table(p, "Indicatif actif");
    QCOMPARE(active.columns.size(), 6);
    QCOMPARE(active.rows.size(), 6);
    QCOMPARE((QStringList{at(active, "1re pers. sg.", u"Présent"_qs),
                          at(active, "3e pers. pl.", u"Présent"_qs),
                          at(active, "1re pers. sg.", "Parfait"),
                          at(table(p, "Formes nominales"), u"Infinitif présent actif"_qs, "Formes"),
                          at(table(p, "Indicatif passif"), "1re pers. sg.", u"Présent"_qs)}),
             forms);
    QCOMPARE(table(p, "Subjonctif actif").columns.size(), 4);
    QVERIFY(table(p, "Indicatif passif").note.contains(u"sum"_qs));
    QVERIFY(titles(p).contains("Participe parfait passif, pluriel"));
}

void TestParadigm::deponentVerb() {
    NEED_GENERATED_DATA();
    MorphologyDatabase db(kBuildDatabase);
    const Paradigm hortor = paradigm(db, "hortor", "hortabatur");
    QCOMPARE(titles(hortor).mid(0, 3),
             (QStringList{u"Indicatif déponent"_qs, u"Subjonctif déponent"_qs,
                          u"Impératif déponent"_qs}));
    QVERIFY(!titles(hortor).contains("Indicatif actif"));
    const ParadigmTable& indicative = hortor.tables[0];
    QCOMPARE(at(indicative, "1re pers. sg.", u"Présent"_qs), u"hortor"_qs);
    QVERIFY(indicative.cell(2, 1).highlighted);
    QCOMPARE(indicative.note,
             u"Parfait, plus-que-parfait et futur antérieur : participe parfait et sum (hortatus "
             u"sum, hortatus eram, hortatus ero)."_qs);
    QCOMPARE(at(table(hortor, "Formes nominales"), u"Infinitif présent déponent"_qs, "Formes"),
             u"hortari"_qs);
}

void TestParadigm::generatedSumAndHomographs() {
    NEED_GENERATED_DATA();
    MorphologyDatabase db(kBuildDatabase);
    const Paradigm sum = paradigm(db, "sum", "erat");
    QCOMPARE(titles(sum).mid(0, 3), (QStringList{"Indicatif", "Subjonctif", u"Impératif"_qs}));
    QCOMPARE(lines(sum.tables[0])[2],
             u"3e pers. sg.: est | [erat] | erit | fuit | fuerat | fuerit"_qs);
    QCOMPARE(at(sum.tables[1], "3e pers. pl.", "Imparfait"), u"essent, forent"_qs);
    // The form chooses among homographs, the category before it.
    QCOMPARE(lookUpParadigm(db, "eo", {}, {}).lemmas.size(), std::size_t(2));
    QCOMPARE(paradigm(db, "eo", "ibam").lemma.category, u"V6"_qs);
    QCOMPARE(paradigm(db, "eo", "ibam", "ADV").lemma.category, u"ADV"_qs);
    QCOMPARE(paradigm(db, "volo", "vult").lemma.translation, u"vouloir"_qs);
    QCOMPARE(paradigm(db, "volo", "volat").lemma.translation, u"voler"_qs);
}

QTEST_GUILESS_MAIN(TestParadigm)
#include "test_paradigm.moc"
