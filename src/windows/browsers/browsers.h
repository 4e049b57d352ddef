#pragma once

// The menu commands that open the thesaurus browsers, from the main window and from both
// analysis workspaces: the main window shows the hourglass while the browser loads, and a
// browser already open is only brought to the front.
namespace thesaurus {

// "&Vorante Lumivexa": the base thesaurus browser.
void openBaseThesaurusBrowser();
// "&Autre Thesaurus": the browser over a thesaurus the user picks.
void openOtherThesaurusBrowser();

}  // namespace thesaurus
