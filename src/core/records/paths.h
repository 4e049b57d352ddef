#pragma once

#include "core/records/outcome.h"

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
// Replaces those folders (tests); an empty list restores them.
void setShippedDataDirs(const QStringList& dirs);

// Puts the shipped copy of each data file in the data folder where the user's copy is missing
// or empty (length 0: what opening a missing record file leaves behind). A copy is written
// whole or not at all. A failure's one French message tells what could not be put in place.
Outcome<void> seedDataFiles(const QStringList& shippedDirs = shippedDataDirs());

// The same for one data file (kBaseThesaurusName or kLexiconName), as a window does before it
// reads it: success when the file is there with records.
Outcome<void> restoreDataFile(const QString& name,
                              const QStringList& shippedDirs = shippedDataDirs());

}  // namespace records::paths
