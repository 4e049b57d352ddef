#include "core/coding/coding.h"

namespace keypads {
namespace {

Row row(const char* control, const QString& codeLabel, const QString& description,
        const QString& code, bool opensBlock = false) {
    return {QString::fromLatin1(control), codeLabel, description, code, opensBlock};
}

Row clearingRow(const char* control, bool opensBlock = false) {
    return row(control, QString(), QStringLiteral("Annuler"), QString(), opensBlock);
}

const bool kBlock = true;

}  // namespace

QList<Row> Group::codeRows() const {
    QList<Row> result;
    for (const Row& r : rows) {
        if (!r.clears()) {
            result << r;
        }
    }
    return result;
}

const Group& categoryGroup() {
    static const Group group{
        QStringLiteral("Catégorie grammaticale"),
        QStringLiteral("Catégorie grammaticale"),
        {
            row("Option1", QStringLiteral("  N1 :"), QStringLiteral("subst. 1re déclinaison "),
                QStringLiteral("N1"), kBlock),
            row("Option3", QStringLiteral("  N2 :"), QStringLiteral("subst. 2e déclinaison "),
                QStringLiteral("N2")),
            row("Option4", QStringLiteral("  N3 :"), QStringLiteral("subst. 3e déclinaison "),
                QStringLiteral("N3")),
            row("Option5", QStringLiteral("  N4 :"), QStringLiteral("subst. 4e déclinaison "),
                QStringLiteral("N4")),
            row("Option6", QStringLiteral("  N5 :"), QStringLiteral("subst. 5e déclinaison "),
                QStringLiteral("N5")),
            row("Option7", QStringLiteral("  N6 :"), QStringLiteral("subst. indéclinable"),
                QStringLiteral("N6")),
            row("Option8", QStringLiteral("  A1 :"), QStringLiteral("adjectif 1re classe"),
                QStringLiteral("A1"), kBlock),
            row("Option9", QStringLiteral("  A2 :"), QStringLiteral("adjectif 2e classe"),
                QStringLiteral("A2")),
            row("Option10", QStringLiteral("  V1 :"), QStringLiteral("verbe 1re conjugaison"),
                QStringLiteral("V1"), kBlock),
            row("Option11", QStringLiteral("  V2 :"), QStringLiteral("verbe 2e conjugaison"),
                QStringLiteral("V2")),
            row("Option12", QStringLiteral("  V3 :"), QStringLiteral("verbe 3e conjugaison"),
                QStringLiteral("V3")),
            row("Option13", QStringLiteral("  V4 :"), QStringLiteral("verbe 4e conjugaison"),
                QStringLiteral("V4")),
            row("Option14", QStringLiteral("  V5 :"), QStringLiteral("verbe 4e bis conjugaison"),
                QStringLiteral("V5")),
            row("Option15", QStringLiteral("  V6 :"), QStringLiteral("verbe irrégulier"),
                QStringLiteral("V6")),
            row("Option2", QStringLiteral("  DP :"), QStringLiteral("déterminant - pronom"),
                QStringLiteral("DP"), kBlock),
            row("Option21", QStringLiteral("  CC :"), QStringLiteral("conjonction de coordination"),
                QStringLiteral("CC"), kBlock),
            row("Option20", QStringLiteral("  CS :"),
                QStringLiteral("conjonction de subordination"), QStringLiteral("CS")),
            row("Option19", QStringLiteral("  PRE :"), QStringLiteral("préposition"),
                QStringLiteral("PRE"), kBlock),
            row("Option18", QStringLiteral("  ADV :"), QStringLiteral("adverbe"),
                QStringLiteral("ADV"), kBlock),
            row("Option17", QStringLiteral("  interj :"), QStringLiteral("interjection"),
                QStringLiteral("interj"), kBlock),
            row("Option16", QStringLiteral("  num :"), QStringLiteral("numéral"),
                QStringLiteral("num"), kBlock),
            row("Option22", QStringLiteral("  partic :"), QStringLiteral("particule"),
                QStringLiteral("partic"), kBlock),
            clearingRow("Option23", kBlock),
        }};
    return group;
}

const Group& caseGroup() {
    static const Group group{QStringLiteral("Cas"),
                             QStringLiteral("Cas"),
                             {
                                 row("Option1", QStringLiteral(" nom. :"),
                                     QStringLiteral("nominatif"), QStringLiteral("nom. ")),
                                 row("Option6", QStringLiteral(" voc. :"),
                                     QStringLiteral("vocatif"), QStringLiteral("voc. ")),
                                 row("Option5", QStringLiteral(" acc. :"),
                                     QStringLiteral("accusatif"), QStringLiteral("acc. ")),
                                 row("Option4", QStringLiteral(" gén. :"),
                                     QStringLiteral("génitif"), QStringLiteral("gén. ")),
                                 row("Option3", QStringLiteral(" dat. :"), QStringLiteral("datif"),
                                     QStringLiteral("dat. ")),
                                 row("Option2", QStringLiteral(" abl. :"),
                                     QStringLiteral("ablatif"), QStringLiteral("abl. ")),
                                 clearingRow("Option7"),
                             }};
    return group;
}

const Group& genderGroup() {
    static const Group group{QStringLiteral("Genre"),
                             QStringLiteral("Genre"),
                             {
                                 row("Option26", QStringLiteral(" m. :"),
                                     QStringLiteral("masculin"), QStringLiteral("m. ")),
                                 row("Option25", QStringLiteral(" f. :"), QStringLiteral("féminin"),
                                     QStringLiteral("f. ")),
                                 row("Option24", QStringLiteral(" nt. :"), QStringLiteral("neutre"),
                                     QStringLiteral("nt. ")),
                                 clearingRow("Option8"),
                             }};
    return group;
}

const Group& personGroup() {
    static const Group group{QStringLiteral("Personne"),
                             QString(),
                             {
                                 row("Option12", QStringLiteral(" 1 :"), QStringLiteral("première"),
                                     QStringLiteral("1 ")),
                                 row("Option11", QStringLiteral(" 2 :"), QStringLiteral("deuxième"),
                                     QStringLiteral("2 ")),
                                 row("Option10", QStringLiteral(" 3 :"),
                                     QStringLiteral("troisième"), QStringLiteral("3 ")),
                                 clearingRow("Option13"),
                             }};
    return group;
}

const Group& numberGroup() {
    static const Group group{QStringLiteral("Nombre"),
                             QString(),
                             {
                                 row("Option28", QStringLiteral(" sg. :"),
                                     QStringLiteral("singulier"), QStringLiteral("sg.")),
                                 row("Option27", QStringLiteral(" pl. :"),
                                     QStringLiteral("pluriel"), QStringLiteral("pl.")),
                                 clearingRow("Option9"),
                             }};
    return group;
}

const Group& moodGroup() {
    static const Group group{
        QStringLiteral("Mode"),
        QStringLiteral("Mode"),
        {
            row("Option7", QStringLiteral(" ind. :"), QStringLiteral("indicatif"),
                QStringLiteral("ind.")),
            row("Option12", QStringLiteral(" subj. :"), QStringLiteral("subjonctif"),
                QStringLiteral("subj.")),
            row("Option11", QStringLiteral(" imp. :"), QStringLiteral("impératif"),
                QStringLiteral("imp.")),
            row("Option10", QStringLiteral(" part. :"), QStringLiteral("participe"),
                QStringLiteral("part.")),
            row("Option9", QStringLiteral(" inf. :"), QStringLiteral("infinitif"),
                QStringLiteral("inf.")),
            row("Option8", QStringLiteral(" gér. :"), QStringLiteral("gerondif"),
                QStringLiteral("gér.")),
            row("Option13", QStringLiteral(" adj. verb. :"), QStringLiteral("adjectif verbal"),
                QStringLiteral("adj. verb.")),
            row("Option14", QStringLiteral(" sup. :"), QStringLiteral("supin"),
                QStringLiteral("sup.")),
            clearingRow("Option1"),
        }};
    return group;
}

const Group& tenseGroup() {
    static const Group group{
        QStringLiteral("Temps"),
        QStringLiteral("Temps"),
        {
            row("Option16", QStringLiteral(" prés. :"), QStringLiteral("présent"),
                QStringLiteral("prés.")),
            row("Option15", QStringLiteral(" impf. :"), QStringLiteral("imparfait"),
                QStringLiteral("impf.")),
            row("Option20", QStringLiteral(" fut. :"), QStringLiteral("futur"),
                QStringLiteral("fut.")),
            row("Option19", QStringLiteral(" parf. :"), QStringLiteral("parfait"),
                QStringLiteral("parf.")),
            row("Option18", QStringLiteral(" pqp. :"), QStringLiteral("plus-que-parfait"),
                QStringLiteral("pqp.")),
            row("Option17", QStringLiteral(" fut. ant. :"), QStringLiteral("futur antérieur"),
                QStringLiteral("fut. ant.")),
            clearingRow("Option2"),
        }};
    return group;
}

const Group& voiceGroup() {
    static const Group group{QStringLiteral("Voix"),
                             QStringLiteral("Voix"),
                             {
                                 row("Option23", QStringLiteral(" act. :"), QStringLiteral("actif"),
                                     QStringLiteral("act.")),
                                 row("Option22", QStringLiteral(" pas. :"),
                                     QStringLiteral("passif"), QStringLiteral("pas.")),
                                 row("Option21", QStringLiteral(" dép. :"),
                                     QStringLiteral("déponent"), QStringLiteral("dép.")),
                                 clearingRow("Option3"),
                             }};
    return group;
}

QList<const Group*> groupsOf(Keypad keypad) {
    switch (keypad) {
        case Keypad::Category:
            return {&categoryGroup()};
        case Keypad::CaseGenderNumber:
            return {&caseGroup(), &genderGroup(), &personGroup(), &numberGroup()};
        case Keypad::MoodTenseVoice:
            return {&moodGroup(), &tenseGroup(), &voiceGroup()};
    }
    return {};
}

QString composeCaseGenderNumber(const QString& casePart, const QString& gender,
                                const QString& person, const QString& number) {
    return casePart + gender + person + number;
}

QString composeMoodTenseVoice(const QString& mood, const QString& tense, const QString& voice) {
    const QString blank = QStringLiteral(" ");
    const QString afterMood = tense.isEmpty() && voice.isEmpty() ? QString() : blank;
    const QString afterTense = voice.isEmpty() ? QString() : blank;
    return mood + afterMood + tense + afterTense + voice;
}

QString compose(Keypad keypad, const QStringList& parts) {
    Q_ASSERT(parts.size() == groupsOf(keypad).size());
    switch (keypad) {
        case Keypad::Category:
            return parts.at(0);
        case Keypad::CaseGenderNumber:
            return composeCaseGenderNumber(parts.at(0), parts.at(1), parts.at(2), parts.at(3));
        case Keypad::MoodTenseVoice:
            return composeMoodTenseVoice(parts.at(0), parts.at(1), parts.at(2));
    }
    return {};
}

}  // namespace keypads
