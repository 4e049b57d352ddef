#include "core/morphology/morphology.h"

#include "core/morphology/normalise.h"
#include "core/records/paths.h"
#include "core/records/records.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>

namespace analysis {
namespace {

// The analyses of one folded form, the most frequent lemma first, then in the order the
// database keeps them (for one lemma, the most expected analysis first).
const char* const kByForm =
    "SELECT COALESCE(a.form, a.folded), l.lemma, COALESCE(a.translation, l.translation), "
    "l.category, c.case_gender_number, c.mood_tense_voice, l.frequency "
    "FROM analysis a JOIN lemma l ON l.id = a.lemma JOIN cell c ON c.id = a.cell "
    "WHERE a.folded = ?1 ORDER BY l.frequency DESC, a.rank";

// Every lemma name, read once and compared in memory; then each lemma found, by its id.
const char* const kLemmaNames = "SELECT id, lemma FROM lemma";
const char* const kLemmaById =
    "SELECT id, lemma, category, translation, frequency FROM lemma WHERE id = ?1";

// Whether a name in UTF-8 folds to a folded name (in ASCII): a name in ASCII letter by letter,
// any other as foldedForm() folds it.
bool nameFoldsTo(const char* name, qsizetype size, const QByteArray& folded) {
    if (std::any_of(name, name + size, [](char c) { return (c & 0x80) != 0; })) {
        return foldsTo(QString::fromUtf8(name, size), QString::fromLatin1(folded));
    }
    if (size != folded.size()) {
        return false;
    }
    for (qsizetype i = 0; i < size; ++i) {
        const char lower = name[i] >= 'A' && name[i] <= 'Z' ? char(name[i] - 'A' + 'a') : name[i];
        if (foldIJUV(char16_t(lower)) != char16_t(folded[i])) {
            return false;
        }
    }
    return true;
}

const char* const kFormsByLemma =
    "SELECT COALESCE(a.form, a.folded), a.folded, c.grammatical_case, c.gender, c.person, "
    "c.number, c.mood, c.tense, c.voice, c.degree, c.case_gender_number, c.mood_tense_voice "
    "FROM analysis a JOIN cell c ON c.id = a.cell WHERE a.lemma = ?1";

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text != nullptr ? QString::fromUtf8(text) : QString();
}

// Reference data is never written: no lock, no journal, nothing created beside it.
QByteArray readOnlyUri(const QString& path) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(QStringLiteral("immutable=1"));
    return url.toEncoded();
}

QString unreadable(const QString& path) {
    return QStringLiteral("le fichier %1 est illisible ou n'est pas une base morphologique")
        .arg(QDir::toNativeSeparators(path));
}

bool fitsVariant(const ProposedAnalysis& a, SpellingVariant::Keep keep) {
    switch (keep) {
        case SpellingVariant::Keep::PerfectSystem:
            return a.moodTenseVoice.contains(QLatin1StringView("parf.")) ||
                   a.moodTenseVoice.contains(QLatin1StringView("pqp.")) ||
                   a.moodTenseVoice.contains(QLatin1StringView("ant."));
        case SpellingVariant::Keep::SingularGenitive:
            return a.caseGenderNumber.startsWith(u"gén.") && a.caseGenderNumber.contains(u"sg.");
        case SpellingVariant::Keep::All:
            break;
    }
    return true;
}

// The same lemma and features as an analysis already found (under another spelling).
bool alreadyFound(const std::vector<ProposedAnalysis>& found, const ProposedAnalysis& a) {
    return std::any_of(found.begin(), found.end(), [&](const ProposedAnalysis& f) {
        return f.lemma == a.lemma && f.category == a.category &&
               f.caseGenderNumber == a.caseGenderNumber && f.moodTenseVoice == a.moodTenseVoice;
    });
}

// An enclitic that an edition prints apart from its word (que, ne, ve) is analysed as the
// enclitic, after any analysis of the form as a word of its own (ne, "that not").
void addStandaloneEnclitic(const QString& folded, std::vector<ProposedAnalysis>& found) {
    for (const Enclitic& e : enclitics()) {
        if (folded == e.folded) {
            ProposedAnalysis a;
            a.form = e.name;
            a.lemma = e.name;
            a.translation = e.translation;
            a.category = e.category;
            a.caseGenderNumber = records::kEmptyMarker;
            a.moodTenseVoice = records::kEmptyMarker;
            found.push_back(std::move(a));
        }
    }
}

}  // namespace

MorphologyDatabase::MorphologyDatabase(const QString& path) : path_(path) {
    if (path.isEmpty()) {
        QStringList dirs;
        for (const QString& dir : records::paths::shippedDataDirs()) {
            dirs << QDir::toNativeSeparators(QDir::cleanPath(dir));
        }
        reason_ = QStringLiteral(
                      "la base %1 n'est dans aucun des dossiers de données du "
                      "programme (%2)")
                      .arg(kFileName, dirs.join(QStringLiteral(", ")));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        reason_ =
            QStringLiteral("le fichier %1 est introuvable").arg(QDir::toNativeSeparators(path));
        return;
    }
    if (sqlite3_open_v2(readOnlyUri(path).constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        nullptr) != SQLITE_OK) {
        fail(unreadable(path));
        return;
    }
    sqlite3_stmt* version = nullptr;
    int found = -1;
    if (sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &version, nullptr) == SQLITE_OK &&
        sqlite3_step(version) == SQLITE_ROW) {
        found = sqlite3_column_int(version, 0);
    }
    sqlite3_finalize(version);
    if (found <= 0) {
        fail(unreadable(path));  // not a database, or an empty one
    } else if (found != kSchemaVersion) {
        fail(QStringLiteral("le fichier %1 est d'une autre version de la base morphologique "
                            "(version %2 ; ce programme lit la version %3)")
                 .arg(QDir::toNativeSeparators(path))
                 .arg(found)
                 .arg(kSchemaVersion));
    } else if (sqlite3_prepare_v2(db_, kByForm, -1, &byForm_, nullptr) != SQLITE_OK ||
               sqlite3_prepare_v2(db_, kLemmaNames, -1, &lemmaNames_, nullptr) != SQLITE_OK ||
               sqlite3_prepare_v2(db_, kLemmaById, -1, &lemmaById_, nullptr) != SQLITE_OK ||
               sqlite3_prepare_v2(db_, kFormsByLemma, -1, &formsByLemma_, nullptr) != SQLITE_OK) {
        fail(unreadable(path));
    }
}

records::Outcome<void> MorphologyDatabase::availability() const {
    if (isOpen()) {
        return {};
    }
    return records::failure(reason_);
}

MorphologyDatabase::~MorphologyDatabase() {
    close();
}

void MorphologyDatabase::close() {
    names_.clear();
    nameIndex_.clear();
    namesRead_ = false;
    for (sqlite3_stmt** statement : {&byForm_, &lemmaNames_, &lemmaById_, &formsByLemma_}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close(db_);
    db_ = nullptr;
}

void MorphologyDatabase::fail(const QString& reason) {
    close();
    reason_ = reason;
}

template <class ReadRow>
bool MorphologyDatabase::eachRow(sqlite3_stmt* statement, const QVariant& key, ReadRow readRow) {
    sqlite3_reset(statement);
    const QByteArray text = key.toString().toUtf8();
    if (key.typeId() == QMetaType::LongLong) {
        sqlite3_bind_int64(statement, 1, key.toLongLong());
    } else if (key.isValid()) {
        sqlite3_bind_text(statement, 1, text.constData(), static_cast<int>(text.size()),
                          SQLITE_STATIC);
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        readRow(statement);
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (step != SQLITE_DONE) {
        fail(unreadable(path_));
        return false;
    }
    return true;
}

std::vector<ProposedAnalysis> MorphologyDatabase::analysesOfFolded(const QString& folded) {
    std::vector<ProposedAnalysis> found;
    if (!isOpen() || folded.isEmpty()) {
        return found;
    }
    const bool read = eachRow(byForm_, folded, [&found](sqlite3_stmt* row) {
        ProposedAnalysis a;
        a.form = columnText(row, 0);
        a.lemma = records::orEmptyMarker(columnText(row, 1));
        a.translation = records::orEmptyMarker(columnText(row, 2));
        a.category = records::orEmptyMarker(columnText(row, 3));
        a.caseGenderNumber = records::orEmptyMarker(columnText(row, 4));
        a.moodTenseVoice = records::orEmptyMarker(columnText(row, 5));
        a.frequency = sqlite3_column_int(row, 6);
        found.push_back(std::move(a));
    });
    return read ? found : std::vector<ProposedAnalysis>{};
}

bool MorphologyDatabase::readLemmaNames() {
    if (!namesRead_) {
        namesRead_ = eachRow(lemmaNames_, QVariant(), [this](sqlite3_stmt* row) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(row, 1));
            const int size = sqlite3_column_bytes(row, 1);
            nameIndex_.push_back({sqlite3_column_int64(row, 0), names_.size(), size});
            names_.append(name, size);
        });
    }
    return namesRead_;
}

std::vector<DatabaseLemma> MorphologyDatabase::lemmasNamed(const QString& lemma) {
    std::vector<DatabaseLemma> found;
    const QString folded = foldedForm(lemma.trimmed());
    if (!isOpen() || folded.isEmpty() || !readLemmaNames()) {
        return found;
    }
    const QByteArray key = folded.toLatin1();
    for (const LemmaName& name : nameIndex_) {
        if (!nameFoldsTo(names_.constData() + name.offset, name.size, key)) {
            continue;
        }
        const bool read = eachRow(lemmaById_, QVariant(name.id), [&found](sqlite3_stmt* row) {
            found.push_back({sqlite3_column_int64(row, 0), columnText(row, 1), columnText(row, 2),
                             columnText(row, 3), sqlite3_column_int(row, 4)});
        });
        if (!read) {
            return {};
        }
    }
    std::stable_sort(
        found.begin(), found.end(),
        [](const DatabaseLemma& a, const DatabaseLemma& b) { return a.frequency > b.frequency; });
    return found;
}

std::vector<LemmaForm> MorphologyDatabase::formsOfLemma(qint64 lemmaId) {
    std::vector<LemmaForm> found;
    if (!isOpen()) {
        return found;
    }
    const bool read = eachRow(formsByLemma_, QVariant(lemmaId), [&found](sqlite3_stmt* row) {
        LemmaForm f;
        f.form = columnText(row, 0);
        f.folded = columnText(row, 1);
        CellFeatures& c = f.features;
        QString* const fields[] = {
            &c.grammaticalCase, &c.gender, &c.person, &c.number,           &c.mood,
            &c.tense,           &c.voice,  &c.degree, &c.caseGenderNumber, &c.moodTenseVoice};
        int column = 2;
        for (QString* field : fields) {
            *field = columnText(row, column++);
        }
        found.push_back(std::move(f));
    });
    return read ? found : std::vector<LemmaForm>{};
}

std::vector<ProposedAnalysis> MorphologyDatabase::proposals(const QString& form) {
    const QString folded = foldedForm(form);
    std::vector<ProposedAnalysis> found = analysesOfFolded(folded);
    for (const SpellingVariant& variant : spellingVariants(folded)) {
        for (ProposedAnalysis& a : analysesOfFolded(variant.folded)) {
            if (fitsVariant(a, variant.keep) && !alreadyFound(found, a)) {
                found.push_back(std::move(a));
            }
        }
    }
    if (isOpen()) {
        addStandaloneEnclitic(folded, found);
    }
    if (!found.empty() || folded.isEmpty()) {
        return found;
    }
    for (const EncliticSplit& split : encliticSplits(folded)) {
        for (ProposedAnalysis& a : analysesOfFolded(split.word)) {
            a.enclitic = split.enclitic;
            found.push_back(std::move(a));
        }
    }
    return found;
}

namespace {

struct Installed {
    std::unique_ptr<MorphologyDatabase> database;
    QString chosenPath;  // empty: where the program is installed
    bool noticeGiven = false;
};

Installed& installed() {
    static Installed state;
    return state;
}

// The first shipped data folder that holds the database; empty when none does.
QString installedPath() {
    for (const QString& dir : records::paths::shippedDataDirs()) {
        const QString candidate = QDir(dir).filePath(MorphologyDatabase::kFileName);
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

MorphologyDatabase& installedMorphology() {
    Installed& state = installed();
    if (!state.database) {
        const QString path = state.chosenPath.isEmpty() ? installedPath() : state.chosenPath;
        state.database = std::make_unique<MorphologyDatabase>(path);
    }
    return *state.database;
}

void useMorphologyDatabase(const QString& path) {
    Installed& state = installed();
    state.database.reset();
    state.chosenPath = path;
    state.noticeGiven = false;
}

bool takeMorphologyNotice() {
    Installed& state = installed();
    if (installedMorphology().isOpen() || state.noticeGiven) {
        return false;
    }
    state.noticeGiven = true;
    return true;
}

}  // namespace analysis
