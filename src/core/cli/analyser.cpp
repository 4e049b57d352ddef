#include "core/cli/analyser.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/batchanalysis.h"
#include "core/morphology/morphology.h"
#include "core/records/paths.h"
#include "core/records/records.h"
#include "core/text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace app {
namespace {

using Format = CommandLine::Format;

void complain(const QString& message) {
    const QByteArray text = (QStringLiteral("morphologique : ") + message + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fflush(stderr);
}

// The base thesaurus the workspace reads: the user's copy when it holds records, otherwise the
// one shipped with the program. Nothing is written: no copy is seeded, no empty file created.
QString baseThesaurusPath() {
    if (QFileInfo(records::paths::baseThesaurus()).size() > 0) {
        return records::paths::baseThesaurus();
    }
    for (const QString& dir : records::paths::shippedDataDirs()) {
        const QString shipped = QDir(dir).filePath(records::paths::kBaseThesaurusName);
        if (QFileInfo(shipped).size() > 0) {
            return shipped;
        }
    }
    return {};
}

struct Input {
    bool ok = false;
    QString text;
};

Input readInput(const QString& path) {
    if (path.isEmpty()) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            complain(QStringLiteral("l'entrée standard ne peut pas être lue"));
            return {};
        }
        return {true, shell::decodeText(in.readAll())};
    }
    const shell::TextReading file = shell::readTextFile(path);
    if (!file.ok()) {
        complain(QStringLiteral("le fichier %1 ne peut pas être lu : %2")
                     .arg(records::quoted(QDir::toNativeSeparators(path)), file.error()));
        return {};
    }
    return {true, file.value().text};
}

bool isConllu(const CommandLine& command) {
    if (command.input != Format::Guessed) {
        return command.input == Format::Conllu;
    }
    return command.textPath.endsWith(QStringLiteral(".conllu"), Qt::CaseInsensitive);
}

}  // namespace

int runAnalyser(const CommandLine& command) {
    const Input input = readInput(command.textPath);
    if (!input.ok) {
        return 1;
    }
    analysis::ThesaurusLists thesaurus;
    const QString thesaurusPath = baseThesaurusPath();
    if (!thesaurusPath.isEmpty()) {
        const auto loaded = analysis::loadThesaurusLists(thesaurusPath);
        if (loaded.ok()) {
            thesaurus = loaded.value();
        } else {
            complain(loaded.error());
        }
    }
    analysis::MorphologyDatabase& database = analysis::installedMorphology();
    if (!database.isOpen()) {
        complain(QStringLiteral("aucune analyse de la base morphologique : %1")
                     .arg(database.availability().error()));
    }

    const bool conllu = isConllu(command);
    const Format output = command.output != Format::Guessed ? command.output
                          : conllu                          ? Format::Conllu
                                                            : Format::Tsv;
    const auto format =
        output == Format::Conllu ? analysis::OutputFormat::Conllu : analysis::OutputFormat::Tsv;
    // The most probable analysis in its sentence first, when the tag statistics are installed.
    analysis::WordAnalyser analyser(thesaurus, database, analysis::installedTagModel());
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        complain(QStringLiteral("la sortie standard ne peut pas être écrite"));
        return 1;
    }
    QTextStream stream(&out);
    stream.setEncoding(QStringConverter::Utf8);
    if (conllu) {
        analysis::writeConlluAnalyses(input.text, analyser, format, stream);
    } else {
        analysis::writeTextAnalyses(input.text, analyser, format, stream);
    }
    stream.flush();
    if (stream.status() != QTextStream::Ok || !out.flush() || std::fflush(stdout) != 0) {
        complain(QStringLiteral("la sortie standard ne peut pas être écrite en entier"));
        return 1;
    }
    return 0;
}

}  // namespace app
