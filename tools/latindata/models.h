#pragma once

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <map>
#include <set>
#include <vector>

// The inflection models of the lexical data (modeles.la): how each stem is made from the
// canonical form, which ending each morphological cell takes on which stem, which cells are
// absent, and the suffixes some forms take. A model may inherit from a parent model and change
// part of it.
namespace latindata {

struct RadicalRule {
    enum class Kind {
        Strip,      // drop letters from the end of the canonical form, then add some
        Canonical,  // the canonical form itself
        FromLemma,  // only given by the lemma's own entry
    };
    Kind kind = Kind::FromLemma;
    int strip = 0;  // letters dropped, each with its marks
    QString add;
};

struct Ending {
    int radical = 0;
    QString text;  // with length marks; empty for an empty ending
};

struct Suffix {
    std::set<int> cells;  // empty: every form of the lemma always takes it
    QString text;
};

struct Model {
    QString name;
    QString parent;
    QChar partOfSpeech;  // n noun, a adjective, p pronoun, m numeral, v verb, d adverb; 0 none
    std::map<int, RadicalRule> radicals;
    std::map<int, std::vector<Ending>> endings;  // by cell; an absent cell has no entry
    std::vector<Suffix> alwaysSuffixes;          // each form takes one of them, always
    std::vector<Suffix> optionalSuffixes;        // forms of these cells may also take them
};

class ModelTable {
  public:
    // Reads the whole file; lines it cannot read are reported in problems and skipped.
    static ModelTable parse(QStringView text, QStringList* problems);

    const Model* find(const QString& name) const;
    // The model and its ancestors, nearest first.
    std::vector<const Model*> lineage(const QString& name) const;
    qsizetype size() const { return static_cast<qsizetype>(models_.size()); }

  private:
    std::vector<Model> models_;
    QHash<QString, std::size_t> byName_;

    friend class ModelReader;
};

// A list of cell numbers such as "1-3,7,9-12", in the order written.
std::vector<int> parseCellList(QStringView text, bool* ok);

// Drops n letters, each with the marks that follow it, from the end of a word.
QString dropLetters(const QString& word, int n);

}  // namespace latindata
