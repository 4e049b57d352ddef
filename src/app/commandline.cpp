#include "app/commandline.h"

#include "records/records.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace app {
namespace {

const QString kProgram = QStringLiteral("morphologique");

QString helpText() {
    return QStringLiteral(
        "Utilisation : morphologique [OPTION] [FICHIER]\n"
        "\n"
        "Analyse morphologique des textes latins. Le programme s'ouvre sur sa fenêtre de\n"
        "présentation, puis sur sa fenêtre principale. Avec FICHIER, un texte latin en texte\n"
        "brut (*.txt), il ouvre ce texte dans la fenêtre principale comme le fait la commande\n"
        "« Ouvrir un texte... » du menu « Fichier ».\n"
        "\n"
        "Options :\n"
        "  -h, --help     affiche cette aide et quitte\n"
        "  -V, --version  affiche la version du programme et quitte\n"
        "  --             ce qui suit est un nom de fichier, même s'il commence par « - »\n"
        "\n"
        "Code de retour : 0 en cas de succès, 2 si la ligne de commande est incorrecte.\n");
}

QString versionText() {
    return QStringLiteral(
               "morphologique (Analyse morphologique), version %1\n"
               "Programme sous licence GPL version 3 ou ultérieure ; données latines sous\n"
               "licence GPL version 2 ou ultérieure.\n")
        .arg(QStringLiteral(MORPHO_VERSION));
}

CommandLine mistake(const QString& what) {
    return {CommandLine::Action::Error, QString(),
            kProgram + QStringLiteral(" : ") + what +
                QStringLiteral("\nPour en savoir plus : morphologique --help\n")};
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine command;
    QString given;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        const bool option = !optionsEnded && argument.startsWith(QLatin1Char('-'));
        if (option && argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (option &&
                   (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))) {
            return {CommandLine::Action::Help, QString(), helpText()};
        } else if (option &&
                   (argument == QStringLiteral("-V") || argument == QStringLiteral("--version"))) {
            return {CommandLine::Action::Version, QString(), versionText()};
        } else if (option) {
            return mistake(QStringLiteral("option inconnue ") + records::quoted(argument));
        } else if (argument.isEmpty()) {
            return mistake(QStringLiteral("nom de fichier vide"));
        } else if (!given.isEmpty()) {
            return mistake(QStringLiteral("un seul fichier texte à la fois (") +
                           records::quoted(given) + QStringLiteral(" puis ") +
                           records::quoted(argument) + QStringLiteral(")"));
        } else {
            given = argument;
            command.textPath = QFileInfo(argument).absoluteFilePath();
        }
    }
    return command;
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
    }
    return arguments;
}

int printAnswer(const CommandLine& command) {
    const bool failed = command.action == CommandLine::Action::Error;
    std::FILE* stream = failed ? stderr : stdout;
    const QByteArray text = command.message.toUtf8();
    const bool written = std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()),
                                     stream) == static_cast<size_t>(text.size()) &&
                         std::fflush(stream) == 0;
    if (failed) {
        return kUsageError;
    }
    // Help or version that could not be written (a closed pipe, a full disk) is a failure.
    return written ? 0 : 1;
}

}  // namespace app
