#pragma once

class QWidget;

namespace lexicon {

// The menu command "&Dictionnaire (Lemmes)" of the main window and of both analysis
// workspaces: the calling window shows the hourglass while the lexicon browser loads; a browser
// already open is only brought to the front.
void openDictionary(QWidget* caller);

}  // namespace lexicon
