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
      keepsRecords_(design.keepsRecords) {
    showRowsOf(&listedRows_);
}

void ThesaurusBrowser::readLists(const QString& path, const QString& emptyMessage, bool quiet) {
    auto loaded = loadBrowserLists(path, trimming_, keepsRecords_ ? &fileRecords_ : nullptr);
    lists_ = loaded.ok() ? std::move(loaded).value() : analysis::ThesaurusLists();
    if (quiet) {
        return;
    }
    if (!loaded.ok()) {
        ui::msgBox(this, loaded.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
    } else if (lists_.size() == 0) {
        ui::msgBox(this, emptyMessage);
    }
}

void ThesaurusBrowser::listWithInitial(QChar letter) {
    listedRows_.setRows(
        resultsOf(lists_, entriesWithInitial(lists_.forms, letter, scan_), fileRecords_));
}

void ThesaurusBrowser::listFoundFor(const QString& text) {
    listedRows_.setRows(resultsOf(lists_, entriesWithForm(lists_, text), fileRecords_));
}

QList<QStringList> ThesaurusBrowser::printedPages(const std::vector<QStringList>& rows) const {
    return printedListing(rows);
}

}  // namespace thesaurus
