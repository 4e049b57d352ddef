#include "core/lookup/storing.h"

#include <QtTest>

using namespace analysis;

namespace {

const DetailFields kStored{"rosa", "rosa", "la rose", "N1", "nom. f. sg.", ""};

// The lists after one validation of these fields was stored and read back.
ThesaurusLists listsHolding(const DetailFields& fields) {
    records::ThesaurusRecord r = recordToStore(fields.form, fields);
    r.setNumber(1);
    return listsFromRecords({r});
}

}  // namespace

Q_DECLARE_METATYPE(analysis::DetailFields)

class TestStoring : public QObject {
    Q_OBJECT

  private slots:
    void duplicateRule_data();
    void duplicateRule();
    void emptyFormCellStoresTheMarker();
    void lossesAreToldBeforeStoring();
};

// The same validation twice must be refused, whatever the record made of the typed values;
// any real difference in one of the six fields must be stored.
void TestStoring::duplicateRule_data() {
    QTest::addColumn<DetailFields>("stored");
    QTest::addColumn<DetailFields>("typed");
    QTest::addColumn<bool>("held");

    const QString lemma60 = QString(60, QLatin1Char('l'));
    const QString outside = QStringLiteral("rosā");  // ā is not in Windows-1252
    QTest::newRow("identical, with an empty field") << kStored << kStored << true;
    DetailFields empty = kStored;
    empty.lemma.clear();
    QTest::newRow("empty lemma twice") << empty << empty << true;
    DetailFields marker = kStored;
    marker.moodTenseVoice = QStringLiteral("_");
    QTest::newRow("typed marker equals empty field") << kStored << marker << true;
    DetailFields longLemma = kStored;
    longLemma.lemma = lemma60;
    QTest::newRow("long value, stored cut") << longLemma << longLemma << true;
    DetailFields longTranslation = kStored;
    longTranslation.translation = QString(81, QLatin1Char('t'));
    QTest::newRow("long translation") << longTranslation << longTranslation << true;
    DetailFields encoded = kStored;
    encoded.lemma = outside;
    QTest::newRow("character outside Windows-1252") << encoded << encoded << true;
    DetailFields upper = kStored;
    upper.form = QStringLiteral("ROSA");
    upper.lemma = QStringLiteral("Rosa");
    upper.caseGenderNumber = QStringLiteral("NOM. F. SG.");
    QTest::newRow("case ignored") << kStored << upper << true;
    DetailFields spaces = kStored;
    spaces.lemma += QStringLiteral("   ");
    spaces.translation += QStringLiteral(" ");
    QTest::newRow("trailing spaces ignored") << kStored << spaces << true;
    DetailFields leading = kStored;
    leading.lemma = QStringLiteral(" rosa");
    QTest::newRow("leading space differs") << kStored << leading << false;

    const auto differing = [](auto member, const QString& value) {
        DetailFields f = kStored;
        f.*member = value;
        return f;
    };
    QTest::newRow("form differs") << kStored << differing(&DetailFields::form, "rosam") << false;
    QTest::newRow("lemma differs") << kStored << differing(&DetailFields::lemma, "rosas") << false;
    QTest::newRow("translation differs")
        << kStored << differing(&DetailFields::translation, "une rose") << false;
    QTest::newRow("category differs")
        << kStored << differing(&DetailFields::category, "N2") << false;
    QTest::newRow("case-gender-number differs")
        << kStored << differing(&DetailFields::caseGenderNumber, "voc. f. sg.") << false;
    QTest::newRow("mood-tense-voice differs")
        << kStored << differing(&DetailFields::moodTenseVoice, "ind.") << false;
    DetailFields cutDiffers = longLemma;
    cutDiffers.lemma = lemma60.left(50) + QStringLiteral("xyz");
    QTest::newRow("differs only beyond the field") << longLemma << cutDiffers << true;
}

void TestStoring::duplicateRule() {
    QFETCH(DetailFields, stored);
    QFETCH(DetailFields, typed);
    QFETCH(bool, held);
    const ThesaurusLists lists = listsHolding(stored);
    QCOMPARE(holdsAnalysis(lists, recordToStore(typed.form, typed)), held);
}

void TestStoring::emptyFormCellStoresTheMarker() {
    const records::ThesaurusRecord r = recordToStore(QString(), kStored);
    QCOMPARE(records::trimmedRight(r.form()), QStringLiteral("_"));
    QCOMPARE(records::trimmedRight(r.moodTenseVoice()), QStringLiteral("_"));
    QVERIFY(holdsAnalysis(listsFromRecords({r}), recordToStore(QString(), kStored)));
    QVERIFY(!holdsAnalysis(listsFromRecords({r}), recordToStore(kStored.form, kStored)));
}

void TestStoring::lossesAreToldBeforeStoring() {
    QVERIFY(storingLosses(kStored).isEmpty());
    DetailFields f = kStored;
    f.lemma = QString(51, QLatin1Char('l'));
    f.translation = QStringLiteral("rose → fleur");
    f.form = QStringLiteral("œ");  // in Windows-1252: nothing lost
    const QStringList losses = storingLosses(f);
    QCOMPARE(losses.size(), 2);
    QVERIFY(losses[0].startsWith(QStringLiteral("Lemme : coupé après 50 caractères")));
    QVERIFY(losses[1].startsWith(QStringLiteral("Traduction : caractères non enregistrables")));
}

QTEST_GUILESS_MAIN(TestStoring)
#include "test_storing.moc"
