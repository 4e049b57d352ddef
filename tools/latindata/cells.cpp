#include "latindata/cells.h"

#include <QHash>

namespace latindata {
namespace {

enum class Slot { Case, Gender, Person, Number, Mood, Tense, Voice };

struct Word {
    Slot slot;
    QString description;  // the keypad row's description
};

const QHash<QString, Word>& words() {
    static const QHash<QString, Word> table = {
        {QStringLiteral("nominatif"), {Slot::Case, QStringLiteral("nominatif")}},
        {QStringLiteral("vocatif"), {Slot::Case, QStringLiteral("vocatif")}},
        {QStringLiteral("accusatif"), {Slot::Case, QStringLiteral("accusatif")}},
        {QStringLiteral("génitif"), {Slot::Case, QStringLiteral("génitif")}},
        {QStringLiteral("datif"), {Slot::Case, QStringLiteral("datif")}},
        {QStringLiteral("ablatif"), {Slot::Case, QStringLiteral("ablatif")}},
        {QStringLiteral("masculin"), {Slot::Gender, QStringLiteral("masculin")}},
        {QStringLiteral("féminin"), {Slot::Gender, QStringLiteral("féminin")}},
        {QStringLiteral("neutre"), {Slot::Gender, QStringLiteral("neutre")}},
        {QStringLiteral("1ère"), {Slot::Person, QStringLiteral("première")}},
        {QStringLiteral("2ème"), {Slot::Person, QStringLiteral("deuxième")}},
        {QStringLiteral("3ème"), {Slot::Person, QStringLiteral("troisième")}},
        {QStringLiteral("singulier"), {Slot::Number, QStringLiteral("singulier")}},
        {QStringLiteral("pluriel"), {Slot::Number, QStringLiteral("pluriel")}},
        {QStringLiteral("indicatif"), {Slot::Mood, QStringLiteral("indicatif")}},
        {QStringLiteral("subjonctif"), {Slot::Mood, QStringLiteral("subjonctif")}},
        {QStringLiteral("impératif"), {Slot::Mood, QStringLiteral("impératif")}},
        {QStringLiteral("infinitif"), {Slot::Mood, QStringLiteral("infinitif")}},
        {QStringLiteral("participe"), {Slot::Mood, QStringLiteral("participe")}},
        {QStringLiteral("gérondif"), {Slot::Mood, QStringLiteral("gerondif")}},
        {QStringLiteral("supin"), {Slot::Mood, QStringLiteral("supin")}},
        {QStringLiteral("présent"), {Slot::Tense, QStringLiteral("présent")}},
        {QStringLiteral("imparfait"), {Slot::Tense, QStringLiteral("imparfait")}},
        {QStringLiteral("futur"), {Slot::Tense, QStringLiteral("futur")}},
        {QStringLiteral("parfait"), {Slot::Tense, QStringLiteral("parfait")}},
        {QStringLiteral("PQP"), {Slot::Tense, QStringLiteral("plus-que-parfait")}},
        {QStringLiteral("actif"), {Slot::Voice, QStringLiteral("actif")}},
        {QStringLiteral("passif"), {Slot::Voice, QStringLiteral("passif")}},
    };
    return table;
}

void setSlot(Features& f, const Word& word) {
    switch (word.slot) {
        case Slot::Case:
            f.grammaticalCase = word.description;
            break;
        case Slot::Gender:
            f.gender = word.description;
            break;
        case Slot::Person:
            f.person = word.description;
            break;
        case Slot::Number:
            f.number = word.description;
            break;
        case Slot::Mood:
            f.mood = word.description;
            break;
        case Slot::Tense:
            f.tense = word.description;
            break;
        case Slot::Voice:
            f.voice = word.description;
            break;
    }
}

// Words that only make sense with the word after them: "adjectif verbal", "futur antérieur",
// "supin en -um" (an accusative) and "supin en -u" (an ablative).
bool readPair(Features& f, QStringView word, QStringView next) {
    if (word == u"adjectif" && next == u"verbal") {
        f.mood = QStringLiteral("adjectif verbal");
    } else if (word == u"futur" && next == u"antérieur") {
        f.tense = QStringLiteral("futur antérieur");
    } else if (word == u"en" && (next == u"-um" || next == u"-u")) {
        f.grammaticalCase =
            next == u"-um" ? QStringLiteral("accusatif") : QStringLiteral("ablatif");
    } else {
        return false;
    }
    return true;
}

bool readSingle(Features& f, QStringView word) {
    const auto it = words().constFind(word.toString());
    if (it != words().constEnd()) {
        setSlot(f, *it);
    } else if (word == u"comparatif") {
        f.degree = Degree::Comparative;
    } else if (word == u"superlatif") {
        f.degree = Degree::Superlative;
    } else if (word == u"locatif") {
        f.locative = true;
    } else if (word == u"inv.") {
        f.invariable = true;
    } else if (word != u"positif") {
        return false;
    }
    return true;
}

}  // namespace

Features CellTable::featuresOf(QStringView name, QStringList* unknownWords) {
    Features f;
    const QList<QStringView> parts = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size() && readPair(f, parts[i], parts[i + 1])) {
            ++i;
        } else if (!readSingle(f, parts[i])) {
            unknownWords->append(parts[i].toString());
        }
    }
    // Gerunds and supines are singular nouns of the verb.
    if ((f.mood == u"gerondif" || f.mood == u"supin") && f.number.isEmpty()) {
        f.number = QStringLiteral("singulier");
    }
    return f;
}

CellTable CellTable::parse(QStringView text, QStringList* problems) {
    CellTable table;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int cell = colon > 0 ? line.left(colon).toInt(&ok) : 0;
        if (line.startsWith(QLatin1Char('!')) || !ok) {
            continue;  // comments and the plain feature names listed after the cells
        }
        QStringList unknown;
        table.cells_[cell] = featuresOf(line.mid(colon + 1), &unknown);
        for (const QString& word : unknown) {
            problems->append(
                QStringLiteral("morphos.fr: cell %1: unknown word %2").arg(cell).arg(word));
        }
    }
    return table;
}

int CellTable::withNumber(int cell, const QString& number) const {
    const Features* features = find(cell);
    if (features == nullptr) {
        return 0;
    }
    Features wanted = *features;
    wanted.number = number;
    return cellOf(wanted);
}

int CellTable::withGender(int cell, const QString& gender) const {
    const Features* features = find(cell);
    if (features == nullptr) {
        return 0;
    }
    Features wanted = *features;
    wanted.gender = gender;
    return cellOf(wanted);
}

int CellTable::cellOf(const Features& wanted) const {
    for (const auto& [other, f] : cells_) {
        if (f == wanted) {
            return other;
        }
    }
    return 0;
}

const Features* CellTable::find(int cell) const {
    const auto it = cells_.find(cell);
    return it == cells_.end() ? nullptr : &it->second;
}

}  // namespace latindata
