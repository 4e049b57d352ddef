#include "latindata/models.h"

#include <algorithm>

namespace latindata {

std::vector<int> parseCellList(QStringView text, bool* ok) {
    std::vector<int> cells;
    *ok = !text.isEmpty();
    for (QStringView part : text.split(QLatin1Char(','))) {
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const int first = (dash < 0 ? part : part.left(dash)).toInt(&firstOk);
        const int last = dash < 0 ? first : part.mid(dash + 1).toInt(&lastOk);
        if (!firstOk || (dash >= 0 && !lastOk) || last < first) {
            *ok = false;
            return {};
        }
        for (int cell = first; cell <= last; ++cell) {
            cells.push_back(cell);
        }
    }
    return cells;
}

QString dropLetters(const QString& word, int n) {
    qsizetype end = word.size();
    for (int i = 0; i < n && end > 0; ++i) {
        while (end > 0 && word[end - 1].unicode() >= 0x0300 && word[end - 1].unicode() <= 0x036F) {
            --end;  // marks belong to the letter before them
        }
        if (end > 0) {
            --end;
        }
    }
    return word.left(end);
}

namespace {

// Endings carry digits that rank variants; the program has no use for them.
QString withoutDigits(QStringView text) {
    QString out;
    for (QChar c : text) {
        if (!c.isDigit()) {
            out.append(c);
        }
    }
    return out;
}

}  // namespace

// Reads the file line by line into the table. A model starts with "modele:", may name its
// parent with "pere:" (it then starts as a copy of it) and changes it with the lines that
// follow; constants ("$name=...") stand for lists of endings.
class ModelReader {
  public:
    ModelReader(ModelTable& table, QStringList* problems) : table_(table), problems_(problems) {}

    void readLine(QStringView line, int number);
    void finish() { closeModel(); }

  private:
    struct Open {
        Model model;
        std::set<int> ownRadicals;
        std::set<int> ownCells;
        bool ownAlwaysSuffixes = false;
        bool ownOptionalSuffixes = false;
    };

    void problem(int number, const QString& what) {
        problems_->append(QStringLiteral("modeles.la:%1: %2").arg(number).arg(what));
    }
    void closeModel();
    void inherit(const QString& parentName, int number);
    void readRadical(QStringView value, int number);
    void readEndings(QStringView value, bool adding, int number);
    void readAbsent(QStringView value, int number);
    void readSuffix(QStringView value, int number);
    void readAlwaysSuffix(QStringView value);
    QStringList expandConstants(QStringView list) const;

    ModelTable& table_;
    QStringList* problems_;
    QHash<QString, QString> constants_;
    bool open_ = false;
    Open current_;
};

void ModelReader::closeModel() {
    if (!open_) {
        return;
    }
    table_.byName_.insert(current_.model.name, table_.models_.size());
    table_.models_.push_back(std::move(current_.model));
    current_ = Open();
    open_ = false;
}

void ModelReader::readLine(QStringView line, int number) {
    if (line.startsWith(QLatin1Char('$'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 1) {
            constants_.insert(line.mid(1, eq - 1).toString(), line.mid(eq + 1).toString());
        } else {
            problem(number, QStringLiteral("constant without a value"));
        }
        return;
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QStringView key = colon < 0 ? line : line.left(colon);
    const QStringView value = colon < 0 ? QStringView() : line.mid(colon + 1);
    if (key == u"modele") {
        closeModel();
        open_ = true;
        current_.model.name = value.toString();
        return;
    }
    if (!open_) {
        problem(number, QStringLiteral("line outside a model"));
        return;
    }
    if (key == u"pere") {
        inherit(value.toString(), number);
    } else if (key == u"R") {
        readRadical(value, number);
    } else if (key == u"des" || key == u"des+") {
        readEndings(value, key == u"des+", number);
    } else if (key == u"abs") {
        readAbsent(value, number);
    } else if (key == u"pos") {
        current_.model.partOfSpeech = value.isEmpty() ? QChar() : value[0];
    } else if (key == u"suf") {
        readSuffix(value, number);
    } else if (key == u"sufd") {
        readAlwaysSuffix(value);
    } else {
        problem(number, QStringLiteral("unknown key %1").arg(key));
    }
}

void ModelReader::inherit(const QString& parentName, int number) {
    const Model* parent = table_.find(parentName);
    if (parent == nullptr) {
        problem(number, QStringLiteral("unknown parent model %1").arg(parentName));
        return;
    }
    const QString name = current_.model.name;
    current_ = Open();
    current_.model = *parent;
    current_.model.name = name;
    current_.model.parent = parentName;
}

// A model that derives its stem 0 differently has another canonical ending, so the stems its
// parent computes from the canonical form no longer apply: it keeps only those it defines.
void ModelReader::readRadical(QStringView value, int number) {
    const QList<QStringView> parts = value.split(QLatin1Char(':'));
    bool ok = false;
    const int radical = parts.value(0).toInt(&ok);
    if (!ok || parts.size() != 2) {
        problem(number, QStringLiteral("unreadable stem"));
        return;
    }
    RadicalRule rule;
    const QStringView how = parts[1];
    if (how == u"K") {
        rule.kind = RadicalRule::Kind::Canonical;
    } else if (how == u"-") {
        rule.kind = RadicalRule::Kind::FromLemma;
    } else {
        const qsizetype comma = how.indexOf(QLatin1Char(','));
        rule.kind = RadicalRule::Kind::Strip;
        rule.strip = how.left(comma).toInt(&ok);
        rule.add = comma < 0 ? QString() : how.mid(comma + 1).toString();
        if (rule.add == QLatin1String("0")) {
            rule.add.clear();
        }
        if (!ok || comma < 0) {
            problem(number, QStringLiteral("unreadable stem"));
            return;
        }
    }
    if (radical == 0 && !current_.model.parent.isEmpty()) {
        std::erase_if(current_.model.radicals, [this](const auto& entry) {
            return !current_.ownRadicals.contains(entry.first);
        });
    }
    current_.ownRadicals.insert(radical);
    current_.model.radicals[radical] = rule;
}

QStringList ModelReader::expandConstants(QStringView list) const {
    QStringList items;
    for (QStringView item : list.split(QLatin1Char(';'))) {
        const qsizetype dollar = item.indexOf(QLatin1Char('$'));
        if (dollar < 0) {
            items.append(item.toString());
            continue;
        }
        const QStringView prefix = item.left(dollar);
        const QString constant = constants_.value(item.mid(dollar + 1).toString());
        for (QStringView value : QStringView(constant).split(QLatin1Char(';'))) {
            QStringList variants;
            for (QStringView variant : value.split(QLatin1Char(','))) {
                variants.append(prefix.toString() + variant.toString());
            }
            items.append(variants.join(QLatin1Char(',')));
        }
    }
    return items;
}

// "des" replaces what the parent gives a cell (several "des" lines of one model add up);
// "des+" adds to it. A list shorter than its cells repeats its last item; "-" is the empty
// ending and an empty item gives no form at all.
void ModelReader::readEndings(QStringView value, bool adding, int number) {
    const QList<QStringView> parts = value.split(QLatin1Char(':'));
    bool cellsOk = false;
    bool radicalOk = false;
    const std::vector<int> cells =
        parts.size() == 3 ? parseCellList(parts[0], &cellsOk) : std::vector<int>{};
    const int radical = parts.value(1).toInt(&radicalOk);
    if (!cellsOk || !radicalOk) {
        problem(number, QStringLiteral("unreadable endings"));
        return;
    }
    const QStringList items = expandConstants(parts[2]);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int cell = cells[i];
        std::vector<Ending>& endings = current_.model.endings[cell];
        if (!adding && !current_.ownCells.contains(cell)) {
            endings.clear();
        }
        current_.ownCells.insert(cell);
        const QString& item = items[std::min(static_cast<qsizetype>(i), items.size() - 1)];
        for (QStringView variant : QStringView(item).split(QLatin1Char(','))) {
            if (variant.isEmpty()) {
                continue;
            }
            const QString text = variant == u"-" ? QString() : withoutDigits(variant);
            const Ending ending{radical, text};
            const bool known = std::any_of(endings.begin(), endings.end(), [&](const Ending& e) {
                return e.radical == ending.radical && e.text == ending.text;
            });
            if (!known) {
                endings.push_back(ending);
            }
        }
        if (endings.empty()) {
            current_.model.endings.erase(cell);
        }
    }
}

void ModelReader::readAbsent(QStringView value, int number) {
    bool ok = false;
    for (int cell : parseCellList(value, &ok)) {
        current_.model.endings.erase(cell);
    }
    if (!ok) {
        problem(number, QStringLiteral("unreadable absent cells"));
    }
}

void ModelReader::readSuffix(QStringView value, int number) {
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    bool ok = false;
    const std::vector<int> cells =
        colon < 0 ? std::vector<int>{} : parseCellList(value.left(colon), &ok);
    if (!ok) {
        problem(number, QStringLiteral("unreadable suffix"));
        return;
    }
    if (!current_.ownOptionalSuffixes) {
        current_.model.optionalSuffixes.clear();
        current_.ownOptionalSuffixes = true;
    }
    current_.model.optionalSuffixes.push_back(
        {std::set<int>(cells.begin(), cells.end()), withoutDigits(value.mid(colon + 1))});
}

void ModelReader::readAlwaysSuffix(QStringView value) {
    if (!current_.ownAlwaysSuffixes) {
        current_.model.alwaysSuffixes.clear();
        current_.ownAlwaysSuffixes = true;
    }
    current_.model.alwaysSuffixes.push_back({{}, withoutDigits(value)});
}

ModelTable ModelTable::parse(QStringView text, QStringList* problems) {
    ModelTable table;
    ModelReader reader(table, problems);
    int number = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('!'))) {
            reader.readLine(line, number);
        }
    }
    reader.finish();
    return table;
}

const Model* ModelTable::find(const QString& name) const {
    const auto it = byName_.constFind(name);
    return it == byName_.constEnd() ? nullptr : &models_[*it];
}

std::vector<const Model*> ModelTable::lineage(const QString& name) const {
    std::vector<const Model*> chain;
    for (const Model* m = find(name); m != nullptr && chain.size() < models_.size();
         m = find(m->parent)) {
        chain.push_back(m);
    }
    return chain;
}

}  // namespace latindata
