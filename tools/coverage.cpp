// How many word forms of a text a thesaurus holds, cut and looked up as the analysis workspace
// does it, and the most frequent forms it lacks.
//   coverage TEXT [THESAURUS] [--missing=N]
// THESAURUS defaults to the base thesaurus of the build tree (build/data/donnees.dat).

#include "latindata/coverage.h"

#include "analysis/thesauruslists.h"
#include "records/recordfile.h"
#include "shell/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

struct Arguments {
    QString text;
    QString thesaurus;
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Arguments args;
    if (!parseArguments(app.arguments().mid(1), &args)) {
        std::fprintf(stderr, "usage: coverage TEXT [THESAURUS] [--missing=N]\n");
        return 2;
    }
    const shell::TextFile read = shell::readTextFile(args.text);
    const std::optional<shell::TextFile> text =
        read.ok() ? std::optional<shell::TextFile>(read) : std::nullopt;
    if (!text) {
        std::fprintf(stderr, "coverage: cannot read %s\n", qPrintable(args.text));
        return 1;
    }
    if (!QFileInfo(args.thesaurus).isFile()) {
        std::fprintf(stderr, "coverage: no thesaurus at %s\n", qPrintable(args.thesaurus));
        return 1;
    }
    const auto thesaurus = records::readAllRecords<records::ThesaurusRecord>(args.thesaurus);
    if (!thesaurus.ok) {
        std::fprintf(stderr, "coverage: %s\n", qPrintable(thesaurus.error));
        return 1;
    }
    const latindata::Coverage coverage =
        latindata::measureCoverage(text->text, analysis::listsFromRecords(thesaurus.records));
    std::printf("%s: %lld word forms, %lld found in %s (%.1f %%)\n",
                qPrintable(QFileInfo(args.text).fileName()), static_cast<long long>(coverage.words),
                static_cast<long long>(coverage.found),
                qPrintable(QFileInfo(args.thesaurus).fileName()), 100.0 * coverage.share());
    if (!coverage.missing.empty() && args.missingShown > 0) {
        std::printf("Most frequent missing forms:\n");
    }
    for (std::size_t i = 0;
         i < coverage.missing.size() && i < static_cast<std::size_t>(args.missingShown); ++i) {
        std::printf("%6lld  %s\n", static_cast<long long>(coverage.missing[i].second),
                    qPrintable(coverage.missing[i].first));
    }
    return 0;
}
