#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <map>

// The morphological cells of the lexical data (morphos.fr): each numbered cell named by its
// features in French, such as "génitif féminin pluriel" or "3ème singulier indicatif présent
// actif". Features are held as the descriptions of the keypad rows that code them.
namespace latindata {

enum class Degree { Positive, Comparative, Superlative };

struct Features {
    QString grammaticalCase;  // "nominatif" ... "ablatif"
    QString gender;           // "masculin", "féminin", "neutre"
    QString person;           // "première", "deuxième", "troisième"
    QString number;           // "singulier", "pluriel"
    QString mood;             // "indicatif" ... "supin"
    QString tense;            // "présent" ... "futur antérieur"
    QString voice;            // "actif", "passif" (a deponent's are changed to "déponent")
    Degree degree = Degree::Positive;
    bool locative = false;
    bool invariable = false;

    bool isVerbal() const { return !mood.isEmpty(); }
    bool operator==(const Features&) const = default;
};

class CellTable {
  public:
    // Reads the numbered lines of the file; a name with a word it does not know is reported.
    static CellTable parse(QStringView text, QStringList* problems);
    // Reads one cell name.
    static Features featuresOf(QStringView name, QStringList* unknownWords);

    const Features* find(int cell) const;
    // The cell with the same features but this number; 0 when there is none.
    int withNumber(int cell, const QString& number) const;
    // The cell with the same features but this gender; 0 when there is none.
    int withGender(int cell, const QString& gender) const;
    const std::map<int, Features>& cells() const { return cells_; }

  private:
    int cellOf(const Features& wanted) const;

    std::map<int, Features> cells_;
};

}  // namespace latindata
