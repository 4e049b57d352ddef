#pragma once

class QAbstractProxyModel;
class QApplication;
class QObject;

namespace ui {

// Qt's own dialogs and buttons in French ("Oui", "Non", "Annuler"): every French catalogue of
// Qt that is installed, and the few words those catalogues lack.
void installFrenchTranslations(QApplication& app);

// A file dialog's file list as a French user expects it: types in French, sizes in octets and
// Kio, dates in the French format, whatever the system's language. The model is parented.
QAbstractProxyModel* frenchFileListModel(QObject* parent);

}  // namespace ui
