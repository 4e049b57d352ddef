#include "windows/browsers/thesaurusbrowser.h"

#include "ui/platform.h"

namespace thesaurus {
namespace {

ui::BrowserDesign browserDesign(const ThesaurusBrowserDesign& design) {
    return {design.caption,
            QStringLiteral("Recherche d'une forme : "),
            QStringLiteral("Forme"),
            ui::kNothingForForm,
            {QStringLiteral("Formes"), QStringLiteral("Lemme"), QStringLiteral("Traduction"),
             QStringLiteral("Cat. gramm."), QStringLiteral("Cas, genre, nombre"),
             QStringLiteral("Mode, temps, voix")},
            {1500, 1500, 1750, design.categoryWidth, 1750, 1750}};
}

}  // namespace

ThesaurusBrowser::ThesaurusBrowser(const ThesaurusBrowserDesign& design)
    : ResultBrowser(browserDesign(design)),
      trimming_(design.trimming),
      scan_(design.scan),
      keepsRecords_(design.keepsRecords) {}

void ThesaurusBrowser::readLists(const QString& path, const QString& emptyMessage, bool quiet) {
    LoadedLists loaded = loadBrowserLists(path, trimming_, keepsRecords_ ? &fileRecords : nullptr);
    lists = std::move(loaded.lists);
    if (quiet) {
        return;
    }
    if (!loaded.ok) {
        ui::msgBox(this, loaded.error, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
    } else if (lists.size() == 0) {
        ui::msgBox(this, emptyMessage);
    }
}

std::vector<QStringList> ThesaurusBrowser::rowsOf(const std::vector<qint64>& entries) {
    Results results = resultsOf(lists, entries);
    listing(results.numbers, entries);
    return std::move(results.rows);
}

std::vector<QStringList> ThesaurusBrowser::rowsWithInitial(QChar letter) {
    return rowsOf(entriesWithInitial(lists.forms, letter, scan_));
}

std::vector<QStringList> ThesaurusBrowser::rowsFoundFor(const QString& text) {
    return rowsOf(entriesWithForm(lists, text));
}

QList<QStringList> ThesaurusBrowser::printedPages(const std::vector<QStringList>& rows) const {
    return printedListing(rows);
}

}  // namespace thesaurus
