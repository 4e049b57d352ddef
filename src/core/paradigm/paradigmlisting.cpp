#include "core/morphology/normalise.h"
#include "core/paradigm/paradigm.h"

#include <algorithm>

// The paradigm as printed pages and as CSV lines.
namespace analysis {
namespace {

constexpr qsizetype kPrintedColumns = 3;

// How many columns each printed block of a table holds: at most three, as evenly as can be.
qsizetype columnsPerBlock(qsizetype columns) {
    const qsizetype blocks =
        std::max<qsizetype>(1, (columns + kPrintedColumns - 1) / kPrintedColumns);
    return (columns + blocks - 1) / blocks;
}

QString printedCell(const ParadigmCell& cell, const QString& marked) {
    if (cell.forms.isEmpty()) {
        return kNoParadigmForm;
    }
    QStringList forms;
    for (const QString& f : cell.forms) {
        forms << (!marked.isEmpty() && foldsTo(f, marked) ? u'[' + f + u']' : f);
    }
    return forms.join(QStringLiteral(", "));
}

// A table in blocks of at most three columns, each a title line naming the columns (but the
// one column of a list), a line per row, then the rule; the note closes the last block.
QList<QStringList> tableBlocks(const ParadigmTable& table, const QString& marked) {
    QList<QStringList> blocks;
    const qsizetype width = columnsPerBlock(table.columns.size());
    for (qsizetype first = 0; first < table.columns.size(); first += width) {
        const qsizetype count = std::min(width, table.columns.size() - first);
        QStringList lines;
        lines << (!table.list ? table.title + QStringLiteral(" : ") +
                                    table.columns.mid(first, count).join(QStringLiteral(" | "))
                              : table.title);
        for (qsizetype r = 0; r < table.rows.size(); ++r) {
            QStringList cells;
            for (qsizetype c = first; c < first + count; ++c) {
                cells << printedCell(table.cell(r, c), marked);
            }
            lines << table.rows[r] + QStringLiteral(" : ") + cells.join(QStringLiteral(" | "));
        }
        if (first + count >= table.columns.size() && !table.note.isEmpty()) {
            lines << table.note;
        }
        lines << kListingRule;
        blocks << lines;
    }
    return blocks;
}

}  // namespace

Pages paradigmListing(const Paradigm& paradigm) {
    if (paradigm.tables.empty()) {
        return {};
    }
    QStringList head = {QStringLiteral("Paradigme : ") + paradigm.lemma.lemma,
                        QStringLiteral("Catégorie : ") + paradigm.lemma.category,
                        QStringLiteral("Traduction : ") + paradigm.lemma.translation};
    if (!paradigm.marked.isEmpty()) {
        head << QStringLiteral("Forme : %1 (entre crochets dans les tableaux)")
                    .arg(paradigm.form.trimmed());
    }
    head << kListingRule;
    QList<QStringList> blocks = {head};
    for (const ParadigmTable& table : paradigm.tables) {
        blocks << tableBlocks(table, paradigm.marked);
    }
    // Whole blocks a page, as many as fit.
    Pages pages;
    for (const QStringList& block : blocks) {
        if (pages.isEmpty() || pages.last().size() + block.size() > kParadigmLinesPerPage) {
            pages.append(QStringList());
        }
        pages.last() << block;
    }
    return pages;
}

QList<QStringList> paradigmCsvRows(const Paradigm& paradigm) {
    QList<QStringList> rows;
    for (const ParadigmTable& table : paradigm.tables) {
        for (qsizetype r = 0; r < table.rows.size(); ++r) {
            for (qsizetype c = 0; c < table.columns.size(); ++c) {
                for (const QString& form : table.cell(r, c).forms) {
                    rows << QStringList{table.title, table.rows[r], table.columns[c], form};
                }
            }
        }
    }
    return rows;
}

}  // namespace analysis
