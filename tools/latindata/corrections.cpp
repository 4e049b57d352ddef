#include "latindata/corrections.h"

#include "latindata/spelling.h"

#include <QSet>

namespace latindata {
namespace {

const QString kModelStart = QStringLiteral("modele:");

// The key a lemma or translation line starts with, folded as the files refer to each other.
QString lineKey(QStringView line, QChar end) {
    qsizetype stop = line.indexOf(end);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq >= 0 && (stop < 0 || eq < stop)) {
        stop = eq;
    }
    return matchingKey(line.left(stop).trimmed());
}

// The lines of text, each keyed line replaced by the correction with its key, then the
// corrections whose key no line has.
QString replacedByKey(const QString& text, const QStringList& corrections, QChar end) {
    if (corrections.isEmpty()) {
        return text;
    }
    QHash<QString, QString> byKey;
    for (const QString& line : corrections) {
        byKey.insert(lineKey(line, end), line);
    }
    QStringList out;
    QSet<QString> used;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        const QString key =
            trimmed.startsWith(QLatin1Char('!')) ? QString() : lineKey(trimmed, end);
        const auto correction = byKey.constFind(key);
        if (key.isEmpty() || correction == byKey.constEnd()) {
            out.append(line);
            continue;
        }
        if (!used.contains(key)) {
            out.append(*correction);
            used.insert(key);
        }
    }
    for (const QString& line : corrections) {
        if (!used.contains(lineKey(line, end))) {
            out.append(line);
            used.insert(lineKey(line, end));
        }
    }
    return out.join(QLatin1Char('\n'));
}

}  // namespace

Corrections parseCorrections(QStringView text, QStringList* problems) {
    Corrections c;
    QString section;
    QString model;
    int number = 0;
    for (QStringView raw : text.split(QLatin1Char('\n'))) {
        ++number;
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('!'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).toString();
            model.clear();
            continue;
        }
        const QString value = line.toString();
        if (section == QLatin1String("modeles.la") && value.startsWith(kModelStart)) {
            model = value.mid(kModelStart.size());
            if (!c.newModelOrder.contains(model)) {
                c.newModelOrder.append(model);
            }
            c.modelLines[model];
        } else if (section == QLatin1String("modeles.la") && !model.isEmpty()) {
            c.modelLines[model].append(value);
        } else if (section == QLatin1String("lemmes.la")) {
            c.lemmaLines.append(value);
        } else if (section == QLatin1String("lemmes.fr")) {
            c.translationLines.append(value);
        } else if (section == QLatin1String("irregs.la")) {
            c.irregularLines.append(value);
        } else {
            problems->append(
                QStringLiteral("corrections:%1: a line outside a data file's section").arg(number));
        }
    }
    return c;
}

QString correctedModels(const QString& text, const Corrections& corrections) {
    if (corrections.modelLines.isEmpty()) {
        return text;
    }
    QStringList out;
    QSet<QString> done;
    QString open;  // the model whose lines are being copied
    const auto closeModel = [&]() {
        if (!open.isEmpty() && corrections.modelLines.contains(open)) {
            out += corrections.modelLines.value(open);
            done.insert(open);
        }
        open.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(kModelStart)) {
            closeModel();
            open = trimmed.mid(kModelStart.size());
        }
        out.append(line);
    }
    closeModel();
    for (const QString& model : corrections.newModelOrder) {
        if (!done.contains(model)) {
            out.append(kModelStart + model);
            out += corrections.modelLines.value(model);
        }
    }
    return out.join(QLatin1Char('\n'));
}

QString correctedLemmas(const QString& text, const Corrections& corrections) {
    return replacedByKey(text, corrections.lemmaLines, QLatin1Char('|'));
}

QString correctedTranslations(const QString& text, const Corrections& corrections) {
    return replacedByKey(text, corrections.translationLines, QLatin1Char(':'));
}

QString correctedIrregulars(const QString& text, const Corrections& corrections) {
    if (corrections.irregularLines.isEmpty()) {
        return text;
    }
    return text + QLatin1Char('\n') + corrections.irregularLines.join(QLatin1Char('\n'));
}

}  // namespace latindata
