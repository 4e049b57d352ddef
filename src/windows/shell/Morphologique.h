#pragma once

#include "core/text/textfile.h"
#include "ui/forms.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace shell {

// Texts above this size get the size warning before they are kept.
constexpr qint64 kTextSizeLimit = 64000;

// The text size warning, its line breaks as the program has always shown them.
QString textSizeWarning();
// The message shown when a text cannot be read.
QString textTooLargeMessage();

// The main window: holds the loaded Latin text and opens every other window.
class Morphologique : public ui::Form<QMainWindow>, public ui::ClosingGuard {
    Q_OBJECT
  public:
    Morphologique();

    QLabel* Label1;
    QLabel* Label2;
    QGroupBox* Frame1;
    QPlainTextEdit* txtfichier;
    QLabel* lblFichier;

    QMenu* fichier;
    QAction* ouvrir;
    QAction* fermer;
    QAction* quitter;
    QMenu* application;
    QAction* analyse;
    QAction* ouvriranalyse;
    QAction* lexique;
    QMenu* thesaurus;
    QAction* thesaurusvorante;
    QAction* thesaurusautre;
    QMenu* aide;
    QAction* about;

    bool hasText() const { return fermer->isEnabled(); }

    void ouvrir_Click();
    // Opens a chosen text: the text size warning, the failure message and the text-loaded
    // state are those of "&Ouvrir un texte...", which calls it after its file dialog.
    void openText(const QString& path);
    void fermer_Click();
    void quitter_Click();
    void analyse_Click();
    void ouvriranalyse_Click();
    void lexique_Click();
    void thesaurusvorante_Click();
    void thesaurusautre_Click();
    void about_Click();

    // The path of the loaded text; empty when none is loaded.
    QString textPath() const { return textPath_; }

    // Ending the program: every window with unsaved work asks first, and may keep it running.
    bool mayClose() override;

  protected:
    void Form_Unload() override;

  private:
    void buildMenus();
    void buildBody();
    void enterNoTextState();
    void enterTextLoadedState(const QString& path);
    void showTextFailure(const TextReading& file, const QString& path);

    QString textPath_;
};

}  // namespace shell
