#include "core/cli/commandline.h"

#include "core/records/records.h"

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
        "Analyse en ligne de commande, sans fenêtre :\n"
        "  morphologique --analyser [--format tsv|conllu] [--entree texte|conllu] [FICHIER]\n"
        "  --analyser         analyse chaque mot de FICHIER, ou de l'entrée standard sans\n"
        "                     FICHIER, et écrit toutes ses analyses sur la sortie standard\n"
        "  --entree texte     lit un texte latin (Windows-1252 ou UTF-8), découpé en phrases\n"
        "                     et en mots comme le fait l'atelier d'analyse\n"
        "  --entree conllu    lit du CoNLL-U : chaque ligne revient telle quelle, sauf LEMMA,\n"
        "                     UPOS, XPOS (code de catégorie du programme) et FEATS des mots\n"
        "                     (par défaut pour un fichier « .conllu », texte sinon)\n"
        "  --format tsv       une ligne d'en-tête puis une ligne par analyse : phrase, mot,\n"
        "                     forme, rang, lemme, traduction, categorie, cas_genre_nombre,\n"
        "                     mode_temps_voix, upos, traits, source ; rang 1 est l'analyse\n"
        "                     proposée en premier, rang 0 un mot sans analyse ; source vaut\n"
        "                     « thesaurus » (thésaurus de base) ou « base » (base morphologique)\n"
        "  --format conllu    du CoNLL-U, la première analyse de chaque mot\n"
        "                     (par défaut : conllu pour une entrée CoNLL-U, tsv sinon)\n"
        "\n"
        "Code de retour : 0 en cas de succès, 1 si le fichier ne peut pas être lu ou la\n"
        "sortie écrite, 2 si la ligne de commande est incorrecte.\n");
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

// The value of an option given as "--option=value" or as "--option value".
struct OptionValue {
    bool matched = false;
    bool missing = false;  // the option ends the line without its value
    QString value;
};

OptionValue optionValue(const QStringList& arguments, qsizetype& at, const QString& name) {
    const QString& argument = arguments[at];
    if (argument.startsWith(name + QLatin1Char('='))) {
        return {true, false, argument.mid(name.size() + 1)};
    }
    if (argument != name) {
        return {};
    }
    if (at + 1 >= arguments.size()) {
        return {true, true, {}};
    }
    return {true, false, arguments[++at]};
}

// Reads the value of --format or --entree; an error message when it is not one of the two.
QString readFormat(const OptionValue& given, const QString& option, const QString& first,
                   CommandLine::Format firstFormat, CommandLine::Format* format) {
    const QString choices = QStringLiteral("%1 ou conllu").arg(first);
    if (given.missing) {
        return QStringLiteral("l'option %1 attend une valeur (%2)").arg(option, choices);
    }
    if (given.value == first) {
        *format = firstFormat;
    } else if (given.value == QStringLiteral("conllu")) {
        *format = CommandLine::Format::Conllu;
    } else {
        return QStringLiteral("valeur inconnue %1 pour l'option %2 (%3)")
            .arg(records::quoted(given.value), option, choices);
    }
    return {};
}

// Reads --format or --entree at `at`, moving past its value; false when the argument is
// neither. A wrong or missing value leaves its message in *error.
bool readAnalyserOption(const QStringList& arguments, qsizetype& at, CommandLine& command,
                        QString* error) {
    const OptionValue format = optionValue(arguments, at, QStringLiteral("--format"));
    if (format.matched) {
        *error = readFormat(format, QStringLiteral("--format"), QStringLiteral("tsv"),
                            CommandLine::Format::Tsv, &command.output);
        return true;
    }
    const OptionValue input = optionValue(arguments, at, QStringLiteral("--entree"));
    if (input.matched) {
        *error = readFormat(input, QStringLiteral("--entree"), QStringLiteral("texte"),
                            CommandLine::Format::Text, &command.input);
        return true;
    }
    return false;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine command;
    QString given;
    bool optionsEnded = false;
    bool analyse = false;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        const bool option = !optionsEnded && argument.startsWith(QLatin1Char('-'));
        QString wrongValue;
        if (option && readAnalyserOption(arguments, at, command, &wrongValue)) {
            if (!wrongValue.isEmpty()) {
                return mistake(wrongValue);
            }
            continue;
        }
        if (option && argument == QStringLiteral("--analyser")) {
            analyse = true;
        } else if (option && argument == QStringLiteral("--")) {
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
    if (analyse) {
        command.action = CommandLine::Action::Analyse;
    } else if (command.input != CommandLine::Format::Guessed ||
               command.output != CommandLine::Format::Guessed) {
        return mistake(QStringLiteral("--format et --entree ne vont qu'avec --analyser"));
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
