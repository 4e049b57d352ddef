#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

// Corrections of the Latin lexical data that the project keeps (data/corrections.la): lines
// written as the data files write them, each under the name of the file it corrects, applied to
// the text of that file before it is read. The data is thus corrected at its source, and every
// correction is in one list with the reason for it.
namespace latindata {

struct Corrections {
    // Lines added at the end of a model, by model name; a model the data lacks is added whole.
    QHash<QString, QStringList> modelLines;
    QStringList newModelOrder;     // the models corrected, in the order the list gives them
    QStringList lemmaLines;        // replace the line with the same key, or are added
    QStringList translationLines;  // replace the translation with the same key, or are added
    QStringList irregularLines;    // are added
};

// Reads the list: "[file]" starts the lines of one data file (modeles.la, lemmes.la, lemmes.fr or
// irregs.la); "!" starts a comment, as in the data; in modeles.la, "modele:NAME" says which model
// the lines after it correct. A line outside a known section is reported.
Corrections parseCorrections(QStringView text, QStringList* problems);

// The text of a data file with the corrections for it applied.
QString correctedModels(const QString& text, const Corrections& corrections);
QString correctedLemmas(const QString& text, const Corrections& corrections);
QString correctedTranslations(const QString& text, const Corrections& corrections);
QString correctedIrregulars(const QString& text, const Corrections& corrections);

}  // namespace latindata
