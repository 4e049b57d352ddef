#pragma once

#include "core/grid/gridrows.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/records.h"

#include <QString>
#include <QStringList>

namespace analysis {

// The record a validation stores: "_" for the form when the row's form cell is empty and for
// each empty analysis field.
records::ThesaurusRecord recordToStore(const QString& formCell, const DetailFields& fields);

// Whether the lists already hold the analysis a validation would store: the same form and the
// same five analysis fields, each compared as the record holds it (the empty marker, cut to its
// field, '?' for a character the code page lacks), lower-cased and without trailing spaces.
// The entry at index `except`, if any, is left out: an entry being rewritten may keep its values.
bool holdsAnalysis(const ThesaurusLists& lists, const records::ThesaurusRecord& toStore,
                   qint64 except = -1);

// What the record would lose of the typed values, one French line per field: a value longer
// than its field is cut, a character the code page lacks becomes '?'. Empty when nothing.
QStringList storingLosses(const DetailFields& fields);

}  // namespace analysis
