#include "core/morphology/udfeatures.h"

#include <QtTest>

// The program's codes read as Universal Dependencies parts of speech and features.
class TestUdFeatures : public QObject {
    Q_OBJECT

  private slots:
    void partOfSpeech_data();
    void partOfSpeech();
    void features_data();
    void features();
};

void TestUdFeatures::partOfSpeech_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("upos");
    QTest::newRow("noun") << "N2"
                          << "dominus"
                          << "NOUN";
    QTest::newRow("proper noun") << "N1"
                                 << "Gallia"
                                 << "PROPN";
    QTest::newRow("sum is an auxiliary") << "V6"
                                         << "sum"
                                         << "AUX";
    QTest::newRow("other irregular verb") << "V6"
                                          << "fero"
                                          << "VERB";
    QTest::newRow("as a record pads it") << "PRE    "
                                         << "in"
                                         << "ADP";
    QTest::newRow("unknown code") << "XY"
                                  << "zzz"
                                  << "X";
    QTest::newRow("no code") << ""
                             << "zzz"
                             << "X";
}

void TestUdFeatures::partOfSpeech() {
    QFETCH(QString, category);
    QFETCH(QString, lemma);
    QFETCH(QString, upos);
    QCOMPARE(analysis::uposOf(category, lemma), upos);
}

void TestUdFeatures::features_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("caseGenderNumber");
    QTest::addColumn<QString>("moodTenseVoice");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("feats");
    QTest::newRow("noun") << "N1"
                          << "abl. f. sg."
                          << "_"
                          << "rose"
                          << "Case=Abl|Gender=Fem|Number=Sing";
    QTest::newRow("padded as in a record") << "N3"
                                           << "gén. nt. pl.     "
                                           << "_     "
                                           << "x  "
                                           << "Case=Gen|Gender=Neut|Number=Plur";
    QTest::newRow("positive adjective") << "A1"
                                        << "nom. m. sg."
                                        << "_"
                                        << "bon"
                                        << "Case=Nom|Degree=Pos|Gender=Masc|Number=Sing";
    QTest::newRow("comparative") << "A1"
                                 << "nom. m. sg."
                                 << "_"
                                 << "(comparatif) bon"
                                 << "Case=Nom|Degree=Cmp|Gender=Masc|Number=Sing";
    QTest::newRow("no features") << "PRE"
                                 << "_"
                                 << "_"
                                 << "dans"
                                 << "_";
    QTest::newRow("present") << "V1"
                             << "3 sg."
                             << "ind. prés. act."
                             << ""
                             << "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|"
                                "VerbForm=Fin|Voice=Act";
    QTest::newRow("imperfect") << "V1"
                               << "1 pl."
                               << "subj. impf. pas."
                               << ""
                               << "Aspect=Imp|Mood=Sub|Number=Plur|Person=1|Tense=Past|"
                                  "VerbForm=Fin|Voice=Pass";
    QTest::newRow("perfect") << "V3"
                             << "2 sg."
                             << "ind. parf. act."
                             << ""
                             << "Aspect=Perf|Mood=Ind|Number=Sing|Person=2|Tense=Past|"
                                "VerbForm=Fin|Voice=Act";
    QTest::newRow("pluperfect") << "V3"
                                << "3 pl."
                                << "subj. pqp. act."
                                << ""
                                << "Aspect=Perf|Mood=Sub|Number=Plur|Person=3|Tense=Pqp|"
                                   "VerbForm=Fin|Voice=Act";
    QTest::newRow("future perfect is not a future") << "V1"
                                                    << "3 sg."
                                                    << "ind. fut. ant. act."
                                                    << ""
                                                    << "Aspect=Perf|Mood=Ind|Number=Sing|"
                                                       "Person=3|Tense=Fut|VerbForm=Fin|"
                                                       "Voice=Act";
    QTest::newRow("future") << "V1"
                            << "3 sg."
                            << "ind. fut. act."
                            << ""
                            << "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Fut|"
                               "VerbForm=Fin|Voice=Act";
    QTest::newRow("deponent") << "V1"
                              << "3 sg."
                              << "ind. prés. dép."
                              << ""
                              << "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|"
                                 "VerbForm=Fin|Voice=Pass";
    QTest::newRow("perfect participle") << "V3"
                                        << "nom. f. sg."
                                        << "part. parf. pas."
                                        << ""
                                        << "Aspect=Perf|Case=Nom|Gender=Fem|Number=Sing|"
                                           "Tense=Past|VerbForm=Part|Voice=Pass";
    QTest::newRow("future participle, no aspect")
        << "V1"
        << "nom. m. sg."
        << "part. fut. act."
        << ""
        << "Case=Nom|Gender=Masc|Number=Sing|Tense=Fut|VerbForm=Part|Voice=Act";
    QTest::newRow("gerundive, two words") << "V1"
                                          << "acc. m. sg."
                                          << "adj. verb."
                                          << ""
                                          << "Case=Acc|Gender=Masc|Number=Sing|VerbForm=Gdv";
    QTest::newRow("gerund") << "V3"
                            << "abl. sg."
                            << "gér."
                            << ""
                            << "Case=Abl|Number=Sing|VerbForm=Ger";
}

void TestUdFeatures::features() {
    QFETCH(QString, category);
    QFETCH(QString, caseGenderNumber);
    QFETCH(QString, moodTenseVoice);
    QFETCH(QString, translation);
    QFETCH(QString, feats);
    QCOMPARE(analysis::featsOf(category, caseGenderNumber, moodTenseVoice, translation), feats);
}

QTEST_GUILESS_MAIN(TestUdFeatures)
#include "test_udfeatures.moc"
