#include "core/browsing/browsing.h"
#include "core/records/recordfile.h"
#include "support/testenv.h"

#include <QFile>
#include <QtTest>

using namespace thesaurus;

namespace {

QByteArray record(qint16 number, const QString& form, const QString& lemma = QStringLiteral("l"),
                  const QString& caseGenderNumber = QStringLiteral("nom."),
                  const QString& reserved = QString()) {
    records::ThesaurusRecord r;
    r.setNumber(number);
    r.setAnalysis(form, QStringLiteral("N1"), lemma, caseGenderNumber, QStringLiteral("_"),
                  QStringLiteral("trad"));
    QByteArray bytes = r.toBytes();
    bytes.replace(206, reserved.size(), reserved.toLatin1());
    return bytes;
}

// A thesaurus of these forms, numbered by position.
QByteArray thesaurusOf(const QStringList& forms) {
    QByteArray bytes;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        bytes += record(static_cast<qint16>(i + 1), forms[i]);
    }
    return bytes;
}

analysis::ThesaurusLists listsOf(const QStringList& forms) {
    analysis::ThesaurusLists lists;
    for (const QString& form : forms) {
        records::ThesaurusRecord r;
        r.setForm(form);
        lists.append(r);
    }
    return lists;
}

std::vector<qint64> indices(std::initializer_list<qint64> list) {
    return list;
}

}  // namespace

class TestBrowsing : public QObject {
    Q_OBJECT

  private slots:
    void listsKeepThePaddingOfTheirBrowser();
    void loadingReadsWholeRecordsAndCreatesNothing();
    void letterListingWithAndWithoutEarlyStop();
    void formSearchIsExactLetterCaseAside();
    void resultRowsCarryTheirRecordNumberAndBytes();
    void writesKeepTheReservedField();
    void writesRefuseAFileThatChanged();

  private:
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = home_.file(name);
        writeFile(path, bytes);
        return path;
    }

    TestDataHome home_;
};

void TestBrowsing::listsKeepThePaddingOfTheirBrowser() {
    const QString path =
        write(QStringLiteral("pad.dat"),
              record(7, QStringLiteral("Amo"), QStringLiteral("amo"), QStringLiteral("  1 sg.")));
    const auto base = loadBrowserLists(path, Trimming::Base);
    QVERIFY(base.ok());
    QCOMPARE(base.value().size(), 1);
    QCOMPARE(base.value().forms[0], QStringLiteral("Amo"));
    QCOMPARE(base.value().lemmas[0], QStringLiteral("amo"));
    QCOMPARE(base.value().categories[0], QStringLiteral("N1"));
    // Case-gender-number loses its leading spaces and keeps its trailing ones.
    QCOMPARE(base.value().caseGenderNumbers[0], QStringLiteral("1 sg.") + QString(8, u' '));
    QCOMPARE(base.value().moodTenseVoices[0], QStringLiteral("_"));
    QCOMPARE(base.value().translations[0], QStringLiteral("trad"));
    QCOMPARE(base.value().numbers[0], qint16(7));

    const auto other = loadBrowserLists(path, Trimming::Other);
    QCOMPARE(other.value().forms[0], QStringLiteral("Amo"));
    QCOMPARE(other.value().lemmas[0].size(), 50);
    QCOMPARE(other.value().categories[0], QStringLiteral("N1     "));
    QCOMPARE(other.value().caseGenderNumbers[0], QStringLiteral("  1 sg.        "));
    QCOMPARE(other.value().moodTenseVoices[0].size(), 22);
    QCOMPARE(other.value().translations[0].size(), 80);
}

void TestBrowsing::loadingReadsWholeRecordsAndCreatesNothing() {
    const QString missing = home_.file(QStringLiteral("absent.dat"));
    const auto none = loadBrowserLists(missing, Trimming::Base);
    QVERIFY(none.ok());
    QCOMPARE(none.value().size(), 0);
    QVERIFY(!QFileInfo::exists(missing));

    QByteArray bytes = thesaurusOf({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(loadBrowserLists(write(QStringLiteral("partial.dat"), bytes + QByteArray(215, 'x')),
                              Trimming::Other)
                 .value()
                 .size(),
             2);
    QCOMPARE(
        loadBrowserLists(write(QStringLiteral("short.dat"), QByteArray(215, ' ')), Trimming::Base)
            .value()
            .size(),
        0);
    const auto folder = loadBrowserLists(home_.path(), Trimming::Base);
    QVERIFY(!folder.ok());
    QVERIFY(folder.error().contains(QStringLiteral("dossier")));
}

void TestBrowsing::letterListingWithAndWithoutEarlyStop() {
    const auto lists = listsOf({"$$$", "Amo", "amor", "", "_a", "1a", "arma", "bellum", "as", "Été",
                                "zona", "Écho", "sum", "Sed"});
    const auto& forms = lists.forms;
    using S = Scan;
    // Upper-case initials are listed; "$", "_", digits and empty forms neither list nor stop.
    QCOMPARE(entriesWithInitial(forms, u'a', S::StopAtLaterInitial), indices({1, 2, 6}));
    QCOMPARE(entriesWithInitial(forms, u'a', S::Whole), indices({1, 2, 6, 8}));
    QCOMPARE(entriesWithInitial(forms, u's', S::Whole), indices({12, 13}));
    // An accented initial is never any letter's, and sorts after "z": the sorted scan stops at
    // "Été" before it reaches "zona" or "sum".
    QCOMPARE(entriesWithInitial(forms, u's', S::StopAtLaterInitial), indices({}));
    QCOMPARE(entriesWithInitial(forms, u'z', S::StopAtLaterInitial), indices({}));
    QCOMPARE(entriesWithInitial(forms, u'e', S::Whole), indices({}));
    QCOMPARE(entriesWithInitial(forms, u'z', S::Whole), indices({10}));
    QCOMPARE(entriesWithInitial({}, u'a', S::Whole), indices({}));
}

void TestBrowsing::formSearchIsExactLetterCaseAside() {
    const auto lists = listsOf({"rosa", "Rosa", "rosae", "ROSA", "$$$", "rosà"});
    QCOMPARE(entriesWithForm(lists, QStringLiteral("rOsA")), indices({0, 1, 3}));
    QCOMPARE(entriesWithForm(lists, QStringLiteral("ros")), indices({}));
    QCOMPARE(entriesWithForm(lists, QStringLiteral(" rosa")), indices({}));
    QCOMPARE(entriesWithForm(lists, QStringLiteral("rosa ")), indices({}));
    QCOMPARE(entriesWithForm(lists, QString()), indices({}));
    QCOMPARE(entriesWithForm(lists, QStringLiteral("$$$")), indices({}));  // deleted: no entry
    QCOMPARE(entriesWithForm(lists, QStringLiteral("ROSÀ")), indices({5}));
}

// A row's record number is the one its record holds, not its place in the file: the writes go
// there, and they check the bytes the row was listed from.
void TestBrowsing::resultRowsCarryTheirRecordNumberAndBytes() {
    const QByteArray bytes = record(9, QStringLiteral("arma")) + record(-3, QStringLiteral("amo")) +
                             record(2, QStringLiteral("Amor"));
    QByteArray kept;
    const auto loaded =
        loadBrowserLists(write(QStringLiteral("rows.dat"), bytes), Trimming::Other, &kept);
    QCOMPARE(kept, bytes);
    const std::vector<ResultRow> rows = resultsOf(loaded.value(), {2, 0}, kept);
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0].recordNumber, RecordNumber(2));
    QCOMPARE(rows[1].recordNumber, RecordNumber(9));
    QCOMPARE(rows[0].listed, bytes.mid(2 * 216, 216));
    QCOMPARE(rows[1].listed, bytes.left(216));
    QCOMPARE(rows[0].values.form, QStringLiteral("Amor"));
    QCOMPARE(rows[0].values.lemma.size(), 50);  // as the lists hold it, padding kept
    QCOMPARE(rows[0].values.caseGenderNumber, QStringLiteral("nom.").leftJustified(15));
    QCOMPARE(resultsOf(loaded.value(), {1}).front().recordNumber, RecordNumber(-3));
    QVERIFY(resultsOf(loaded.value(), {1}).front().listed.isEmpty());

    // What a record really holds: every value without its trailing spaces.
    const analysis::DetailFields stored = valuesOf(bytes.left(216));
    QCOMPARE(stored.form, QStringLiteral("arma"));
    QCOMPARE(stored.lemma, QStringLiteral("l"));
    QCOMPARE(stored.category, QStringLiteral("N1"));
    QCOMPARE(stored.caseGenderNumber, QStringLiteral("nom."));
    QCOMPARE(stored.moodTenseVoice, QStringLiteral("_"));
    QCOMPARE(stored.translation, QStringLiteral("trad"));
}

void TestBrowsing::writesKeepTheReservedField() {
    const QByteArray bytes = record(1, QStringLiteral("rosa"), QStringLiteral("rosa"),
                                    QStringLiteral("nom."), QStringLiteral("RESERVED!!")) +
                             record(2, QStringLiteral("cano"), QStringLiteral("cano"),
                                    QStringLiteral("1 sg."), QStringLiteral("0123456789"));
    const QString path = write(QStringLiteral("reserved.dat"), bytes);
    QVERIFY(markDeleted(path, 1, bytes.left(216)).ok());
    const analysis::DetailFields values{QStringLiteral("cano"),  QString(),
                                        QString(100, u'é'),      QStringLiteral("V3"),
                                        QStringLiteral("1 sg."), QStringLiteral("ind. prés.")};
    QVERIFY(rewriteEntry(path, 2, bytes.mid(216), values).ok());
    const QByteArray after = readFile(path);
    QCOMPARE(after.size(), bytes.size());
    QCOMPARE(after.mid(2, 5), QByteArray("$$$  "));
    QCOMPARE(after.mid(206, 10), QByteArray("RESERVED!!"));
    QCOMPARE(after.mid(216 + 126, 80), QByteArray(80, '\xE9'));  // cut, one byte a letter
    QCOMPARE(after.mid(216 + 206, 10), QByteArray("0123456789"));
}

void TestBrowsing::writesRefuseAFileThatChanged() {
    const QByteArray bytes = thesaurusOf({"amo", "rosa"});
    const QString path = write(QStringLiteral("changed.dat"), bytes);
    struct Case {
        qint64 number;
        QByteArray listed;
    };
    const QByteArray amo = bytes.left(216);
    // Out of range, another record, another form, the same form with another lemma.
    for (const Case& c :
         {Case{0, amo}, Case{3, amo}, Case{-1, amo}, Case{2, amo}, Case{1, record(1, "Amo")},
          Case{1, record(1, "amo", "l2")}, Case{1, record(2, "amo")}}) {
        const WriteResult result = markDeleted(path, c.number, c.listed);
        QVERIFY(result.kind() == WriteFailure::Stale);
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(QStringLiteral("a changé depuis sa lecture")),
                 qPrintable(result.error()));
        QVERIFY(result.error().endsWith(QStringLiteral("L'analyse n'a pas été supprimée.")));
    }
    QCOMPARE(readFile(path), bytes);

    // A new thesaurus created under the same name: the record there is another analysis.
    write(QStringLiteral("changed.dat"), thesaurusOf({"cano", "amo"}));
    QVERIFY(!rewriteEntry(path, 1, amo, {}).ok());
    // Records not numbered by their positions, and a file that is not a thesaurus.
    write(QStringLiteral("changed.dat"), record(2, QStringLiteral("amo")));
    QVERIFY(!markDeleted(path, 1, amo).ok());
    write(QStringLiteral("changed.dat"), thesaurusOf({"amo"}) + "x");
    QVERIFY(markDeleted(path, 1, amo)
                .error()
                .contains(QStringLiteral("ne semble pas être un Thesaurus")));
    QCOMPARE(readFile(path), thesaurusOf({"amo"}) + "x");

    // A deletion marker is never written into, even when it is what was listed.
    const QByteArray marker = record(1, QStringLiteral("$$$"), QStringLiteral("_"));
    write(QStringLiteral("changed.dat"), marker);
    analysis::DetailFields values;
    values.form = QStringLiteral("$$$");
    values.lemma = QStringLiteral("rosa");
    QVERIFY(!rewriteEntry(path, 1, marker, values).ok());
    QVERIFY(!markDeleted(path, 1, marker).ok());
    QCOMPARE(readFile(path), marker);

    QFile::remove(path);
    const WriteResult gone = rewriteEntry(path, 1, amo, {});
    QVERIFY(gone.error().startsWith(QStringLiteral("Le Thesaurus « ")));
    QVERIFY(gone.error().endsWith(QStringLiteral("L'analyse n'a pas été modifiée.")));
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(TestBrowsing)
#include "test_browsing.moc"
