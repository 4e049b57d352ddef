// How many word forms of a text a thesaurus holds, cut and looked up as the analysis workspace
// does it, and the most frequent forms it lacks; then how many get at least one proposal from
// the morphology database, and which do not.
//   coverage TEXT [THESAURUS] [--missing=N] [--morphology=DATABASE]
// THESAURUS and DATABASE default to those of the build tree (build/data/donnees.dat and
// build/data/morphologie.sqlite).

#include "latindata/coverage.h"

#include "core/lookup/thesauruslists.h"
#include "core/records/recordfile.h"
#include "core/text/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

struct Arguments {
    QString text;
    QString thesaurus;
    QString morphology = QStringLiteral(COVERAGE_DEFAULT_MORPHOLOGY);
    int missingShown = 20;
};

bool parseArguments(const QStringList& args, Arguments* out) {
    QStringList paths;
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1String("--missing="))) {
            bool ok = false;
            out->missingShown = arg.mid(10).toInt(&ok);
            if (!ok) {
                return false;
            }
        } else if (arg.startsWith(QLatin1String("--morphology="))) {
            out->morphology = arg.mid(13);
        } else {
            paths.append(arg);
        }
    }
    if (paths.isEmpty() || paths.size() > 2) {
        return false;
    }
    out->text = paths[0];
    out->thesaurus = paths.value(1, QStringLiteral(COVERAGE_DEFAULT_THESAURUS));
    return true;
}

void showForms(const char* title, const std::vector<std::pair<QString, qint64>>& forms, int shown) {
    if (!forms.empty() && shown > 0) {
        std::printf("%s\n", title);
    }
    for (std::size_t i = 0; i < forms.size() && i < static_cast<std::size_t>(shown); ++i) {
        std::printf("%6lld  %s\n", static_cast<long long>(forms[i].second),
                    qPrintable(forms[i].first));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Arguments args;
    if (!parseArguments(app.arguments().mid(1), &args)) {
        std::fprintf(stderr,
                     "usage: coverage TEXT [THESAURUS] [--missing=N] [--morphology=DATABASE]\n");
        return 2;
    }
    const shell::TextReading read = shell::readTextFile(args.text);
    const std::optional<shell::TextFile> text =
        read.ok() ? std::optional<shell::TextFile>(read.value()) : std::nullopt;
    if (!text) {
        std::fprintf(stderr, "coverage: cannot read %s\n", qPrintable(args.text));
        return 1;
    }
    if (!QFileInfo(args.thesaurus).isFile()) {
        std::fprintf(stderr, "coverage: no thesaurus at %s\n", qPrintable(args.thesaurus));
        return 1;
    }
    const auto thesaurus = records::readAllRecords<records::ThesaurusRecord>(args.thesaurus);
    if (!thesaurus.ok()) {
        std::fprintf(stderr, "coverage: %s\n", qPrintable(thesaurus.error()));
        return 1;
    }
    analysis::MorphologyDatabase morphology(args.morphology);
    if (!morphology.isOpen()) {
        std::fprintf(stderr, "coverage: no proposals: %s\n",
                     qPrintable(morphology.availability().error()));
    }
    const latindata::Coverage coverage =
        latindata::measureCoverage(text->text, analysis::listsFromRecords(thesaurus.value()),
                                   morphology.isOpen() ? &morphology : nullptr);
    std::printf("%s: %lld word forms, %lld found in %s (%.1f %%)\n",
                qPrintable(QFileInfo(args.text).fileName()), static_cast<long long>(coverage.words),
                static_cast<long long>(coverage.found),
                qPrintable(QFileInfo(args.thesaurus).fileName()), 100.0 * coverage.share());
    showForms("Most frequent missing forms:", coverage.missing, args.missingShown);
    if (morphology.isOpen()) {
        std::printf("%lld with at least one proposal from %s (%.1f %%)\n",
                    static_cast<long long>(coverage.proposed),
                    qPrintable(QFileInfo(args.morphology).fileName()),
                    100.0 * coverage.proposedShare());
        showForms("Forms without a proposal:", coverage.unproposed, args.missingShown);
    }
    return 0;
}
