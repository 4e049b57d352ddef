#pragma once

#include "core/records/outcome.h"

#include <QByteArray>
#include <QString>

class QVariant;

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The morphology database: every analysis that the lexical data yields for every form, far more
// than a thesaurus can hold. It is reference data installed with the program, opened read-only;
// the workspaces propose its analyses for the forms of a text.
namespace analysis {

// One analysis of a form, with its values as a thesaurus record holds them ("_" for none).
struct ProposedAnalysis {
    QString form;  // the word analysed as the data prints it, without the enclitic
    QString lemma;
    QString translation;
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
    QString enclitic;   // "que", "ne", "ve" after the word; empty when there is none
    int frequency = 0;  // of the lemma, in the corpus the data was counted on

    bool operator==(const ProposedAnalysis&) const = default;
};

// A lemma as the database holds it.
struct DatabaseLemma {
    qint64 id = 0;
    QString lemma;
    QString category;
    QString translation;
    int frequency = 0;
};

// The features of an analysis as the keypads describe them ("accusatif", "féminin"), each empty
// when the analysis lacks it; degree is "positif", "comparatif" or "superlatif".
struct CellFeatures {
    QString grammaticalCase;
    QString gender;
    QString person;
    QString number;
    QString mood;
    QString tense;
    QString voice;
    QString degree;
    QString caseGenderNumber;  // the coded values, as a record holds them
    QString moodTenseVoice;
};

// One form of a lemma with the features of its analysis.
struct LemmaForm {
    QString form;    // as the data prints it
    QString folded;  // as foldedForm() writes it
    CellFeatures features;
};

class MorphologyDatabase {
  public:
    // The layout of the database that this reader understands (PRAGMA user_version).
    static constexpr int kSchemaVersion = 1;
    inline static const QString kFileName = QStringLiteral("morphologie.sqlite");

    // Opens the file read-only; see availability(). An empty path stands for a database looked
    // for where the program's data is shipped, and not found there.
    explicit MorphologyDatabase(const QString& path);
    ~MorphologyDatabase();
    MorphologyDatabase(const MorphologyDatabase&) = delete;
    MorphologyDatabase& operator=(const MorphologyDatabase&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }
    // Success while the database is open; otherwise why there are no proposals at all, in
    // French.
    records::Outcome<void> availability() const;

    // The analyses of a word form as a text writes it, the most frequent lemma first: those of
    // the whole form, or when it has none, those of the word before an enclitic. None for a
    // form that foldedForm() cannot fold. A database found unreadable while it is read is
    // closed, and says why.
    std::vector<ProposedAnalysis> proposals(const QString& form);
    // The analyses stored under one folded form.
    std::vector<ProposedAnalysis> analysesOfFolded(const QString& folded);

    // The lemmas written as this text, compared as foldedForm() compares forms: homographs
    // apart, the most frequent first. None for a text that cannot be folded.
    std::vector<DatabaseLemma> lemmasNamed(const QString& lemma);
    // Every analysis of one lemma, in no particular order.
    std::vector<LemmaForm> formsOfLemma(qint64 lemmaId);

  private:
    // Runs a statement with its one parameter bound to key (a text, or a qint64 id; none when
    // key is null) and reads each row; a failed read closes the database and returns false.
    template <class ReadRow>
    bool eachRow(sqlite3_stmt* statement, const QVariant& key, ReadRow readRow);
    // Reads the names of all lemmas once, for lemmasNamed().
    bool readLemmaNames();
    void fail(const QString& reason);
    void close();

    QString path_;
    QString reason_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* byForm_ = nullptr;
    sqlite3_stmt* lemmaNames_ = nullptr;
    sqlite3_stmt* lemmaById_ = nullptr;
    // The lemma names in UTF-8, one after another, and where each lemma's name lies.
    struct LemmaName {
        qint64 id;
        qsizetype offset;
        qsizetype size;
    };
    QByteArray names_;
    std::vector<LemmaName> nameIndex_;
    bool namesRead_ = false;
    sqlite3_stmt* formsByLemma_ = nullptr;
};

// The database installed with the program, looked for where its other data is shipped and
// opened on first use, then kept for the whole run.
MorphologyDatabase& installedMorphology();

// Makes installedMorphology() open this file instead (tests); an empty path goes back to the
// installed one. The database open until now is closed.
void useMorphologyDatabase(const QString& path);

// True the first time it is asked after the database was found unavailable, false after: the
// user is told once why there are no proposals.
bool takeMorphologyNotice();

}  // namespace analysis
