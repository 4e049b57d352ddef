#include "ui/platform.h"

#include "ui/qtplatform.h"

#include <QRegularExpression>

namespace ui {
namespace {

Platform* installed = nullptr;

}  // namespace

Platform& platform() {
    static QtPlatform real;
    return installed ? *installed : real;
}

void setPlatform(Platform* replacement) {
    installed = replacement;
}

Answer msgBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
              const QString& title) {
    return platform().message(parent, text, buttons, icon,
                              title.isEmpty() ? kApplicationTitle : title);
}

bool mayOverwrite(QWidget* parent, const QString& path) {
    return !platform().fileExists(path) ||
           msgBox(parent, path + QStringLiteral(" existe.\r\nDésirez-vous l'écraser?"),
                  Buttons::YesNo, Icon::None, QStringLiteral("Fichier existant")) == Answer::Yes;
}

Hourglass::Hourglass(QWidget* window) : window_(window) {
    platform().setBusy(window_, true);
}

Hourglass::~Hourglass() {
    platform().setBusy(window_, false);
}

analysis::Progress progressPart(ProgressReport& report, double from, double to) {
    return [&report, from, to](qint64 done, qint64 total) {
        const double part = total > 0 ? double(done) / double(total) : 1.0;
        return report.advance(from + (to - from) * part);
    };
}

QStringList filterPatterns(const QString& filter) {
    const qsizetype bar = filter.lastIndexOf(QLatin1Char('|'));
    const QString patterns = bar < 0 ? filter : filter.mid(bar + 1);
    return patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool matchesFilter(const QString& fileName, const QString& filter) {
    for (const QString& pattern : filterPatterns(filter)) {
        const QRegularExpression re(
            QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch()) {
            return true;
        }
    }
    return false;
}

namespace {

// "*.TXT" becomes "*.[tT][xX][tT]", so that file dialogs list texte.txt too.
QString anyCasePattern(const QString& pattern) {
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

QString qtNameFilter(const QString& filter) {
    const qsizetype bar = filter.lastIndexOf(QLatin1Char('|'));
    const QString description = bar < 0 ? filter : filter.left(bar);
    QStringList patterns;
    for (const QString& p : filterPatterns(filter)) {
        patterns << anyCasePattern(p.trimmed());
    }
    // The dialog hides the last parenthesised group and shows the description as written.
    return QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
}

QString defaultSuffix(const QString& filter) {
    const QStringList patterns = filterPatterns(filter);
    if (patterns.isEmpty()) {
        return {};
    }
    const QString first = patterns.first().trimmed();
    const QString suffix = first.mid(2);
    if (!first.startsWith(QLatin1String("*.")) || suffix.contains(QLatin1Char('*')) ||
        suffix.contains(QLatin1Char('?'))) {
        return {};
    }
    return suffix;
}

QString displayText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            out += c;
            continue;
        }
        const bool pair = i + 1 < text.size() &&
                          (text[i + 1] == QLatin1Char('\r') || text[i + 1] == QLatin1Char('\n')) &&
                          text[i + 1] != c;
        if (pair) {
            ++i;
        }
        out += QLatin1Char('\n');
    }
    while (out.endsWith(QLatin1Char('\n'))) {
        out.chop(1);
    }
    return out;
}

}  // namespace ui
