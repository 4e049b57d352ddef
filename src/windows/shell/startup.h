#pragma once

#include <QIcon>
#include <QString>

namespace about {
class frmSplash;
}
namespace shell {
class Morphologique;
}

// How the program starts: the splash window first, then the main window.
namespace app {

// The program's icon, drawn from its scalable picture at the usual sizes.
QIcon programIcon();

// Loads and shows the splash window. When it hands over, the main window is loaded and shown;
// given a text path, the main window then opens that text as "&Ouvrir un texte..." does, once
// the event loop is back (its questions and messages come over the shown window).
about::frmSplash* showSplash(const QString& textPath = QString());

}  // namespace app
