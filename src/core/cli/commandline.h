#pragma once

#include <QString>
#include <QStringList>

// The program's command line: `morphologique [OPTION] [FICHIER]`. Read before any window
// exists, so that --help and --version answer without a display.
namespace app {

// Exit status of a command line that cannot be understood.
inline constexpr int kUsageError = 2;

struct CommandLine {
    enum class Action { Run, Help, Version, Error, Analyse };
    // What --analyser reads and writes; Guessed follows the file's suffix (".conllu" is
    // CoNLL-U, anything else and standard input a text) and writes the format read.
    enum class Format { Guessed, Text, Tsv, Conllu };

    Action action = Action::Run;
    // With Run: the text to open once the main window is shown, as an absolute path; empty
    // when none was given. With Analyse: the file to analyse; empty for standard input.
    QString textPath;
    // With Help, Version and Error: what to print.
    QString message;
    // With Analyse: the input (Guessed, Text or Conllu) and the output (Guessed, Tsv or Conllu).
    Format input = Format::Guessed;
    Format output = Format::Guessed;
};

// Reads the arguments that follow the program name, in order; the first option that answers
// (help, version) or a mistake ends the reading.
CommandLine parseCommandLine(const QStringList& arguments);

// The arguments of main(), without the program name, decoded as file names are.
QStringList argumentsOf(int argc, char** argv);

// Prints the answer of a command line that does not start the program (help and version on
// standard output, a mistake on standard error) and returns the exit status.
int printAnswer(const CommandLine& command);

}  // namespace app
