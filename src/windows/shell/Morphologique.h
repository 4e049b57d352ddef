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

    bool hasText() const;
    // Opens a chosen text: the text size warning, the failure message and the text-loaded
    // state are those of "&Ouvrir un texte...", which calls it after its file dialog.
    void openText(const QString& path);
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

    void chooseText();
    void closeText();
    void analyseText();
    void chooseAnalysis();

    QPlainTextEdit* textView_;
    QLabel* fileLabel_;
    QAction* openTextAction_;
    QAction* closeTextAction_;
    QAction* analyseAction_;
    QString textPath_;
};

}  // namespace shell
