#pragma once

#include <QString>
#include <QStringList>

// The two data files at fixed places: the base thesaurus and the lexicon live in the user's
// data folder, seeded from the copies shipped with the program.
namespace records::paths {

inline const QString kBaseThesaurusName = QStringLiteral("donnees.dat");
inline const QString kLexiconName = QStringLiteral("lexique.dat");

// $XDG_DATA_HOME/morphologique (by default ~/.local/share/morphologique).
QString dataDir();
QString baseThesaurus();
QString lexicon();

// Folders searched for the shipped copies: the build tree's data folder beside the program,
// then the installed share folder.
QStringList shippedDataDirs();

// Copies each shipped file that is missing from the data folder. Returns one French message
// per file that could not be put in place (empty when all is well).
QStringList seedDataFiles(const QStringList& shippedDirs = shippedDataDirs());

}  // namespace records::paths
