#include "latindata/coverage.h"
#include "latindata/handdata.h"
#include "latindata/morphologydb.h"

#include "core/lookup/storing.h"
#include "core/morphology/morphology.h"
#include "core/morphology/normalise.h"
#include "core/morphology/proposals.h"
#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "support/testenv.h"

#include "fixturedata.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

// The morphology database from the generator to the workspace: how forms are matched, what the
// database holds and proposes, and what the workspace makes of it.
using namespace analysis;

namespace {

// Hand-written analyses as data/donnees.tsv gives them: they replace the generated analyses of
// the same form and lemma.
const QString kHand = QStringLiteral(
    "rosae\tN1\trosa\tgén. f. sg.\t_\tde la rose\n"
    "quoque\tADV\tquoque\t_\t_\taussi\n"
    "quo\tDP\tqui\tabl. m. sg.\t_\tpar lequel\n"
    "amant\tV1\tamo\t3 pl.\tind. prés. act.\tils aiment\n"
    "Iovis\tN3\tJovis\tgén. m. sg.\t_\tde Jupiter\n");

QString writeDatabase(const QString& folder, const QString& hand = kHand) {
    latindata::MorphologyTables tables;
    latindata::generate(fixtures::fixtureData(), fixtures::fixtureLists(),
                        static_cast<int>(records::kMaxRecordNumber), nullptr, &tables);
    QStringList problems;
    latindata::addHandAnalyses(tables, latindata::parseHandAnalyses(hand, &problems));
    const QString path = QDir(folder).filePath(MorphologyDatabase::kFileName);
    QString error;
    if (!problems.isEmpty() || !latindata::writeMorphologyDatabase(path, tables, &error)) {
        qFatal("cannot write the database: %s", qPrintable(error + problems.join(u' ')));
    }
    return path;
}

// lemma|category|case-gender-number|mood-tense-voice[|+enclitic] of each proposal.
QStringList described(const std::vector<ProposedAnalysis>& found) {
    QStringList out;
    for (const ProposedAnalysis& a : found) {
        QString text = QStringList{a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice}.join(
            QLatin1Char('|'));
        if (!a.enclitic.isEmpty()) {
            text += QStringLiteral("|+") + a.enclitic;
        }
        out << text;
    }
    return out;
}

// Runs one statement on a database file, for a test to look inside or spoil it.
QStringList sql(const QString& path, const char* statement) {
    sqlite3* db = nullptr;
    QStringList rows;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK) {
        sqlite3_exec(
            db, statement,
            [](void* out, int n, char** values, char**) {
                QStringList row;
                for (int i = 0; i < n; ++i) {
                    row << QString::fromUtf8(values[i] != nullptr ? values[i] : "NULL");
                }
                static_cast<QStringList*>(out)->append(row.join(QLatin1Char('|')));
                return 0;
            },
            &rows, nullptr);
    }
    sqlite3_close(db);
    return rows;
}

GridRow gridRow(const RowTexts& texts) {
    GridRow row;
    for (int c = 0; c < kGridColumns; ++c) {
        row.cells[c].text = texts[c];
    }
    row[Column::Form].colour = kFormColour;
    row[Column::Form].bold = true;
    return row;
}

GridRow notFound(const QString& form) {
    return gridRow({form, "_", "_", "_", "_", "_", "*"});
}

}  // namespace

class TestMorphology : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void foldingForgivesWhatEditionsVaryOn_data();
    void foldingForgivesWhatEditionsVaryOn();
    void encliticsAreReadOffTheEnd();
    void databaseHoldsEveryAnalysisWithItsFeatures();
    void proposalsMatchAsEditionsVary();
    void encliticIsTriedOnlyWhenTheWholeFormIsUnknown();
    void spellingsEditionsPrintAreFoundUnderTheDatasOwn();
    void standaloneEncliticIsAnalysedAsTheEnclitic();
    void noProposalForWhatIsNoLatinWord();
    void unusableDatabaseGivesNoProposalAndSaysWhy();
    void databaseIsOnlyRead();
    void installedDatabaseIsLookedForWhereTheDataIsShipped();
    void proposalListMarksWhatTheGridShows();
    void proposalFieldsFitTheRecord();
    void completionReplacesUntouchedNotFoundRows();
    void coverageCountsTokensWithAProposal();

  private:
    QTemporaryDir dir_;
    QString path_;
};

void TestMorphology::initTestCase() {
    path_ = writeDatabase(dir_.path());
}

void TestMorphology::foldingForgivesWhatEditionsVaryOn_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("folded");
    QTest::newRow("capitals") << "ROSA"
                              << "rosa";
    QTest::newRow("j and v") << "Iuvenem"
                             << "iuuenem";
    QTest::newRow("j") << "jam"
                       << "iam";
    QTest::newRow("æ") << "Æneas"
                       << "aeneas";
    QTest::newRow("œ") << "cœlum"
                       << "coelum";
    QTest::newRow("accents") << "rosá"
                             << "rosa";
    QTest::newRow("length marks") << u"Rōmă"_qs << "roma";
    QTest::newRow("apart marks") << u"ro\u0304sa"_qs << "rosa";
    QTest::newRow("30 letters") << QString(30, u'a') << QString(30, u'a');
    QTest::newRow("31 letters") << QString(31, u'a') << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("digits") << "12"
                            << "";
    QTest::newRow("apostrophe") << "l'homme"
                                << "";
    QTest::newRow("other alphabet") << u"λόγος"_qs << "";
    QTest::newRow("ø") << u"søster"_qs << "";
}

void TestMorphology::foldingForgivesWhatEditionsVaryOn() {
    QFETCH(QString, form);
    QFETCH(QString, folded);
    QCOMPARE(foldedForm(form), folded);
    // The same comparison without building the folded form, as the grid is scanned.
    QCOMPARE(foldsTo(form, folded), !folded.isEmpty());
    QVERIFY(!foldsTo(form, folded + u'e'));
    QVERIFY(!foldsTo(form, folded.chopped(std::min<qsizetype>(1, folded.size())) + u'x'));
}

void TestMorphology::encliticsAreReadOffTheEnd() {
    const auto splits = [](const QString& folded) {
        QStringList out;
        for (const EncliticSplit& s : encliticSplits(folded)) {
            out << s.word + QLatin1Char('+') + s.enclitic;
        }
        return out;
    };
    QCOMPARE(splits("uirumque"), (QStringList{"uirum+que", "uirumq+ve"}));
    QCOMPARE(splits("estne"), (QStringList{"est+ne"}));
    QCOMPARE(splits("bellaue"), (QStringList{"bella+ve"}));
    QCOMPARE(splits("que"), (QStringList{"q+ve"}));  // never an empty word
    QCOMPARE(splits("ne"), QStringList());
}

void TestMorphology::databaseHoldsEveryAnalysisWithItsFeatures() {
    QCOMPARE(sql(path_, "PRAGMA user_version"),
             QStringList{QString::number(MorphologyDatabase::kSchemaVersion)});
    // Lemmas with their model and frequency; a hand-written lemma of the data takes its entry.
    QCOMPARE(sql(path_,
                 "SELECT lemma, category, translation, frequency, model FROM lemma "
                 "WHERE lemma IN ('rosa', 'sum', 'quoque') ORDER BY lemma"),
             (QStringList{"quoque|ADV|aussi|0|", "rosa|N1|rose|63|uita",
                          "sum|V6|être (en tête de phrase : il y a) ; exister, se trouver|40916|"
                          "sum"}));
    // Features as the keypads describe them beside the codes; the hand-written analysis is
    // read back into features too.
    QCOMPARE(sql(path_,
                 "SELECT a.form, a.translation, c.grammatical_case, c.gender, c.number, "
                 "c.case_gender_number FROM analysis a JOIN cell c ON c.id = a.cell "
                 "JOIN lemma l ON l.id = a.lemma WHERE a.folded = 'rosae' AND l.lemma = 'rosa'"),
             (QStringList{"NULL|de la rose|génitif|féminin|singulier|gén. f. sg."}));
    QCOMPARE(sql(path_,
                 "SELECT c.person, c.number, c.mood, c.tense, c.voice, c.degree "
                 "FROM analysis a JOIN cell c ON c.id = a.cell WHERE a.folded = 'amant'"),
             (QStringList{"troisième|pluriel|indicatif|présent|actif|positif"}));
    // The printed form is kept where it differs from the folded one.
    QCOMPARE(sql(path_, "SELECT DISTINCT form FROM analysis WHERE folded = 'belgae'"),
             QStringList{"Belgae"});
    // Every analysis of the generator is there: the base thesaurus holds a selection of them.
    const latindata::Generated out =
        latindata::generate(fixtures::fixtureData(), fixtures::fixtureLists());
    const int generated = sql(path_, "SELECT count(*) FROM analysis").value(0).toInt();
    QVERIFY(generated >= out.analysesMade - 10 && generated <= out.analysesMade + 4);
    const int paradigm = sql(path_,
                             "SELECT count(*) FROM analysis a JOIN lemma l ON l.id = a.lemma "
                             "WHERE l.lemma = 'lupus'")
                             .value(0)
                             .toInt();
    QCOMPARE(paradigm, 11);  // 12 cells, the vocative plural spelt like the nominative
}

void TestMorphology::proposalsMatchAsEditionsVary() {
    MorphologyDatabase db(path_);
    QVERIFY2(db.isOpen(), qPrintable(db.availability().error()));
    QVERIFY(db.availability().error().isEmpty());
    // The most frequent lemma first, values coded as a record holds them.
    const QStringList est = {"sum|V6|3 sg.|ind. prés.", "edo|V3|3 sg.|ind. prés. act."};
    QCOMPARE(described(db.proposals("est")), est);
    QCOMPARE(described(db.proposals("EST")), est);
    const std::vector<ProposedAnalysis> rosa = db.proposals(u"Rosá"_qs);
    QCOMPARE(rosa.front().lemma, u"rosa"_qs);
    QCOMPARE(rosa.front().translation, u"rose"_qs);
    QCOMPARE(rosa.front().moodTenseVoice, u"_"_qs);
    QCOMPARE(rosa.front().frequency, 63);
    // u/v and i/j as editions print them.
    QVERIFY(!db.proposals("amavit").empty());
    QCOMPARE(described(db.proposals("AMAUIT")), described(db.proposals("amavit")));
    QCOMPARE(described(db.proposals("imitatur")), described(db.proposals("jmitatur")));
    // Hand-written analyses replace the generated ones of the same form and lemma only.
    QCOMPARE(described(db.proposals("rosae")), QStringList{"rosa|N1|gén. f. sg.|_"});
    QCOMPARE(db.proposals("rosae").front().translation, u"de la rose"_qs);
}

void TestMorphology::encliticIsTriedOnlyWhenTheWholeFormIsUnknown() {
    MorphologyDatabase db(path_);
    QCOMPARE(described(db.proposals("Rosaeque")), QStringList{"rosa|N1|gén. f. sg.|_|+que"});
    QCOMPARE(db.proposals("Rosaeque").front().form, u"rosae"_qs);
    QCOMPARE(described(db.proposals("estne")),
             (QStringList{"sum|V6|3 sg.|ind. prés.|+ne", "edo|V3|3 sg.|ind. prés. act.|+ne"}));
    QCOMPARE(described(db.proposals("amantve")), QStringList{"amo|V1|3 pl.|ind. prés. act.|+ve"});
    // A known form is never split, though it ends like an enclitic: quoque is not quo + -que.
    QCOMPARE(described(db.proposals("quoque")), QStringList{"quoque|ADV|_|_"});
    QCOMPARE(described(db.proposals("Quoque")), QStringList{"quoque|ADV|_|_"});
    QVERIFY(!db.proposals("quo").empty());
}

void TestMorphology::spellingsEditionsPrintAreFoundUnderTheDatasOwn() {
    using Keep = SpellingVariant::Keep;
    const auto has = [](const char* form, const char* variant, Keep keep) {
        const auto all = spellingVariants(QString::fromLatin1(form));
        return std::find(all.begin(), all.end(),
                         SpellingVariant{QString::fromLatin1(variant), keep}) != all.end();
    };
    QVERIFY(has("adspiro", "aspiro", Keep::All));  // the longest prefix
    QVERIFY(!has("adspiro", "asspiro", Keep::All));
    QVERIFY(has("inpono", "impono", Keep::All) && has("conligo", "colligo", Keep::All));
    QVERIFY(has("mutastis", "mutauistis", Keep::PerfectSystem));
    QVERIFY(has("audisse", "audiuisse", Keep::PerfectSystem));
    QVERIFY(has("exisset", "exiisset", Keep::PerfectSystem));
    QVERIFY(has("amarunt", "amauerunt", Keep::PerfectSystem));
    QVERIFY(has("norit", "nouerit", Keep::PerfectSystem));
    QVERIFY(has("duxti", "duxisti", Keep::PerfectSystem));
    QVERIFY(has("ingeni", "ingenii", Keep::SingularGenitive));
    QVERIFY(has("tanquam", "tamquam", Keep::All) && has("tamquam", "tanquam", Keep::All));
    QVERIFY(has("nil", "nihil", Keep::All) && has("nihil", "nil", Keep::All));
    QVERIFY(spellingVariants("est").empty() && !has("asti", "auisti", Keep::PerfectSystem));

    // Only the analyses the spelling can have: a syncopated form is a perfect.
    MorphologyDatabase db(path_);
    QCOMPARE(described(db.proposals("amasti")), QStringList{"amo|V1|2 sg.|ind. parf. act."});
    QCOMPARE(described(db.proposals("AMARVNT")), QStringList{"amo|V1|3 pl.|ind. parf. act."});
    // The one letter folding, in the names of lemmas too.
    QCOMPARE(db.lemmasNamed("IOUIS").size(), std::size_t(1));
    QCOMPARE(described(db.proposals("jovis")), QStringList{"Jovis|N3|gén. m. sg.|_"});
}

void TestMorphology::standaloneEncliticIsAnalysedAsTheEnclitic() {
    MorphologyDatabase db(path_);
    QCOMPARE(described(db.proposals("que")), QStringList{"que|CC|_|_"});
    QCOMPARE(described(db.proposals("Ve")), QStringList{"ve|CC|_|_"});
    QCOMPARE(described(db.proposals("ne")), QStringList{"ne|partic|_|_"});
    QCOMPARE(db.proposals("que").front().translation, u"et"_qs);
    QVERIFY(db.proposals("que").front().enclitic.isEmpty());
}

void TestMorphology::noProposalForWhatIsNoLatinWord() {
    MorphologyDatabase db(path_);
    for (const QString& form : {QString(), QStringLiteral("12"), QStringLiteral("..."),
                                QString(31, u'a'), QStringLiteral("rosa rosa")}) {
        QVERIFY2(db.proposals(form).empty(), qPrintable(form));
    }
    QVERIFY(db.isOpen());
}

void TestMorphology::unusableDatabaseGivesNoProposalAndSaysWhy() {
    QTemporaryDir dir;
    const QString missing = dir.filePath("absente.sqlite");
    const QString garbage = dir.filePath("texte.sqlite");
    const QString empty = dir.filePath("vide.sqlite");
    const QString otherVersion = dir.filePath("autre.sqlite");
    const QString otherLayout = dir.filePath("tables.sqlite");
    QVERIFY(writeFile(garbage, QByteArray("Gallia est omnis divisa in partes tres").repeated(200)));
    QVERIFY(writeFile(empty, QByteArray()));
    QVERIFY(QFile::copy(path_, otherVersion));
    sql(otherVersion, "PRAGMA user_version = 2");
    QVERIFY(QFile::copy(path_, otherLayout));
    sql(otherLayout, "DROP TABLE cell");
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {missing, "le fichier " + missing + " est introuvable"},
        {garbage, "le fichier " + garbage + " est illisible ou n'est pas une base morphologique"},
        {empty, "le fichier " + empty + " est illisible ou n'est pas une base morphologique"},
        {otherVersion, "le fichier " + otherVersion +
                           " est d'une autre version de la base morphologique (version 2 ; ce "
                           "programme lit la version 1)"},
        {otherLayout,
         "le fichier " + otherLayout + " est illisible ou n'est pas une base morphologique"},
    };
    for (const auto& c : cases) {
        MorphologyDatabase db(c.path);
        QVERIFY(!db.isOpen());
        QCOMPARE(db.availability().error(), c.reason);
        QVERIFY(db.proposals("est").empty());
        const ProposalList list = proposalList(db, {notFound("est")}, 1);
        QVERIFY(list.items.empty());
        QCOMPARE(list.status, "Aucune analyse proposée : " + c.reason + ".");
        QVERIFY(completedRows({notFound("est")}, db).edit.empty());
    }
    // A database spoilt after it was opened closes on the first read and says why.
    const QString spoilt = dir.filePath("abimee.sqlite");
    QVERIFY(QFile::copy(path_, spoilt));
    MorphologyDatabase db(spoilt);
    QVERIFY(db.isOpen());
    QByteArray bytes = readFile(spoilt);
    bytes.replace(4096, bytes.size() - 4096, QByteArray(bytes.size() - 4096, '\xff'));
    QVERIFY(writeFile(spoilt, bytes));
    QVERIFY(db.proposals("est").empty());
    QVERIFY(!db.isOpen());
    QVERIFY(db.availability().error().contains("illisible"));
}

void TestMorphology::databaseIsOnlyRead() {
    QTemporaryDir dir;
    const QString copy = dir.filePath(MorphologyDatabase::kFileName);
    QVERIFY(QFile::copy(path_, copy));
    const QByteArray before = readFile(copy);
    const QFileInfo info(copy);
    const QDateTime modified = info.lastModified();
    {
        MorphologyDatabase db(copy);
        QVERIFY(!db.proposals("est").empty());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{MorphologyDatabase::kFileName});
    QCOMPARE(readFile(copy), before);
    QCOMPARE(QFileInfo(copy).lastModified(), modified);
    // Installed where its user cannot write, it opens all the same.
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QVERIFY(runUnprivileged([&] { return !MorphologyDatabase(copy).proposals("est").empty(); }));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestMorphology::installedDatabaseIsLookedForWhereTheDataIsShipped() {
    QTemporaryDir empty;
    records::paths::setShippedDataDirs({empty.path(), empty.filePath("share")});
    useMorphologyDatabase(QString());
    QVERIFY(!installedMorphology().isOpen());
    QCOMPARE(installedMorphology().availability().error(),
             "la base morphologie.sqlite n'est dans aucun des dossiers de données du programme (" +
                 empty.path() + ", " + empty.filePath("share") + ")");
    // The user is told once why there are no proposals.
    QVERIFY(takeMorphologyNotice());
    QVERIFY(!takeMorphologyNotice());

    records::paths::setShippedDataDirs({empty.path(), QFileInfo(path_).path()});
    useMorphologyDatabase(QString());
    QVERIFY(installedMorphology().isOpen());
    QCOMPARE(installedMorphology().path(), path_);
    QVERIFY(!takeMorphologyNotice());
    records::paths::setShippedDataDirs({});
}

void TestMorphology::proposalListMarksWhatTheGridShows() {
    MorphologyDatabase db(path_);
    const GridRows rows = {
        gridRow({"Est", "sum", "il est", "V6", "3 sg.", "ind. prés.", ""}),
        notFound("estne"),
        gridRow({"EST", "SUM  ", "autre traduction", "v6", "3 sg.", "ind. prés.  ", ""}),
        notFound("xyzzy"),
        GridRow{},
    };
    ProposalList list = proposalList(db, rows, 3);
    QCOMPARE(list.items.size(), std::size_t(2));
    // Marked by lemma, category and features whatever the case, spaces and translation.
    QCOMPARE(list.items[0].text,
             u"✓ sum (V6) 3 sg. ind. prés. – être (en tête de phrase : il y a) "
             u"; exister, se trouver"_qs);
    QVERIFY(list.items[0].inGrid);
    QCOMPARE(list.items[1].text, u"edo (V3) 3 sg. ind. prés. act. – manger"_qs);
    QVERIFY(!list.items[1].inGrid);
    QCOMPARE(list.status,
             u"2 analyses proposées pour « EST » (double-clic ou Entrée pour la reprendre)."_qs);
    // What choosing one writes into the detail fields: the row's own form and the analysis.
    const DetailFields edo = list.items[1].fields;
    QCOMPARE(edo.form, u"EST"_qs);
    QCOMPARE((QStringList{edo.lemma, edo.translation, edo.category, edo.caseGenderNumber,
                          edo.moodTenseVoice}),
             (QStringList{"edo", "manger", "V3", "3 sg.", "ind. prés. act."}));

    // The enclitic is named in the line and after the translation; estne is not in the grid.
    list = proposalList(db, rows, 2);
    QCOMPARE(list.items[1].text, u"edo (V3) 3 sg. ind. prés. act. + -ne – manger"_qs);
    QCOMPARE(list.items[1].fields.translation, u"manger + -ne"_qs);
    QVERIFY(!list.items[0].inGrid);

    QCOMPARE(proposalList(db, rows, 4).status, u"Aucune analyse proposée pour « xyzzy »."_qs);
    QCOMPARE(proposalList(db, rows, 5).status, u"Aucune forme sur cette ligne."_qs);
    QCOMPARE(proposalList(db, {notFound(QString(31, u'a'))}, 1).status,
             "Aucune analyse proposée : la forme « " + QString(31, u'a') +
                 " » dépasse les 30 caractères d'une forme du Thesaurus.");
    QCOMPARE(proposalList(db, {notFound("2e")}, 1).status,
             u"Aucune analyse proposée : « 2e » n'est pas un mot latin."_qs);
}

void TestMorphology::proposalFieldsFitTheRecord() {
    ProposedAnalysis a;
    a.lemma = QString(60, u'l');
    a.translation = QString(79, u't');
    a.category = "N1";
    a.caseGenderNumber = "nom. f. sg.";
    a.moodTenseVoice = "_";
    a.enclitic = "que";
    const DetailFields f = proposedFields("rosaque", a);
    QCOMPARE(f.lemma.size(), 50);
    QCOMPARE(f.translation, QString(73, u't') + " + -que");
    QVERIFY(storingLosses(f).isEmpty());
    a.translation = "_";
    QCOMPARE(proposedFields("rosaque", a).translation, u"+ -que"_qs);
}

void TestMorphology::completionReplacesUntouchedNotFoundRows() {
    MorphologyDatabase db(path_);
    GridRow entered = notFound("xyzzy");
    entered[Column::Lemma].text = "xyzzy";  // the user's own analysis, not yet validated
    const GridRows rows = {
        notFound("Estne"),
        gridRow({"rosa", "rosa", "rose", "N1", "nom. f. sg.", "_", ""}),
        notFound("Rosaeque"),
        notFound("qwerty"),
        entered,
        GridRow{},
    };
    const Completion done = completedRows(rows, db);
    QCOMPARE(done.formsCompleted, qint64(2));
    QCOMPARE(done.rowsProposed, qint64(3));
    QCOMPARE(done.newRowOf, (std::vector<qint64>{1, 3, 4, 5, 6, 7}));
    GridRows after = rows;
    applyEdit(after, done.edit);
    QCOMPARE(after.size(), std::size_t(7));
    // One row per proposal, as the lookup lays out found forms, marked as proposals; the
    // indicator still says the thesaurus lacks the form.
    const RowTexts sum = {
        "Estne", "sum",   "être (en tête de phrase : il y a) ; exister, se trouver + -ne",
        "V6",    "3 sg.", "ind. prés.",
        "*"};
    QCOMPARE(after[0].texts(), sum);
    QCOMPARE(after[1][Column::Lemma].text, u"edo"_qs);
    for (int r : {0, 1}) {
        QCOMPARE(after[r][Column::Form], (Cell{"Estne", kFormColour, true, false}));
        for (int c = 1; c <= 5; ++c) {
            QCOMPARE(after[r].cells[c].colour, std::optional<quint32>(kAmbiguityColour));
            QVERIFY(after[r].cells[c].italic);
        }
        QCOMPARE(after[r][Column::Indicator], rows[0][Column::Indicator]);
    }
    QCOMPARE(after[2], rows[1]);
    // A single proposal keeps the default colour.
    QCOMPARE(after[3][Column::Lemma], (Cell{"rosa", std::nullopt, false, true}));
    QCOMPARE(after[3][Column::Translation].text, u"de la rose + -que"_qs);
    // Without proposal, or with something entered, a row stays as it is; so do empty rows.
    QCOMPARE(after[4], rows[3]);
    QCOMPARE(after[5], rows[4]);
    QCOMPARE(after[6], rows[5]);
    // Done again, nothing changes: the proposals are no longer untouched not-found rows.
    QVERIFY(completedRows(after, db).edit.empty());
}

void TestMorphology::coverageCountsTokensWithAProposal() {
    MorphologyDatabase db(path_);
    std::vector<records::ThesaurusRecord> recs(1);
    recs[0].setForm("est");
    const latindata::Coverage c = latindata::measureCoverage(
        u"Rosa est, rosaeque 12 qwerty; xyzzy XYZZY. Estne"_qs, listsFromRecords(recs), &db);
    QCOMPARE(c.words, qint64(7));
    QCOMPARE(c.found, qint64(1));
    QCOMPARE(c.proposed, qint64(4));
    QCOMPARE(c.unproposed, (std::vector<std::pair<QString, qint64>>{{"xyzzy", 2}, {"qwerty", 1}}));
    QCOMPARE(latindata::measureCoverage(u"est"_qs, listsFromRecords(recs)).proposed, qint64(0));
}

QTEST_GUILESS_MAIN(TestMorphology)
#include "test_morphology.moc"
