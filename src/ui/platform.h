#pragma once

#include "core/system/progress.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The platform services every window goes through: message boxes, file dialogs, the printer,
// the hourglass, the file system and starting programs. Tests replace it with a scripted double.
namespace ui {

// SaveDiscardCancel: "Enregistrer", "Ne pas enregistrer", "Annuler", for unsaved work.
enum class Buttons { Ok, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Yes, No, Save, Discard, Cancel };
enum class Icon { None, Information };

inline const QString kApplicationTitle = QStringLiteral("Analyse morphologique");

// One printed document: lines in the current font, page breaks, and the end of the document.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual void setFont(const QString& family, int pointSize) = 0;
    virtual void printLine(const QString& line) = 0;
    virtual void newPage() = 0;
    // Sends the document; false when it could not be produced.
    virtual bool endDoc() = 0;
    // Abandons the document: what was drawn is not printed, as far as the printer allows.
    virtual void abort() = 0;
};

// The progress bar of a long operation, with its "Annuler" button. While it is shown the
// window answers: the button can be clicked, the window repainted.
class ProgressReport {
  public:
    virtual ~ProgressReport() = default;
    // How far the operation has got, from 0 to 1; false once the user cancelled it.
    virtual bool advance(double fraction) = 0;
    virtual bool cancelled() const = 0;
};

// A progress nobody watches: it never shows and is never cancelled.
class UnwatchedProgress : public ProgressReport {
  public:
    bool advance(double) override { return true; }
    bool cancelled() const override { return false; }
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                           const QString& title) = 0;
    // Filters have the form "Description (*.EXT)|*.EXT"; an empty name means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // An open dialog that also takes the name of a file that does not exist yet, for the caller
    // to create.
    virtual QString openOrNewFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;
    // Asks for a printer; null when the user cancelled.
    virtual std::unique_ptr<PrintJob> startPrinting(QWidget* parent) = 0;
    // Shows pages of lines as they would print, in the listing font; they may be printed from
    // there.
    virtual void showPrintPreview(QWidget* parent, const QList<QStringList>& pages) = 0;
    virtual void setBusy(QWidget* window, bool busy) = 0;
    // A progress bar over the window, shown once the operation has lasted half a second.
    virtual std::unique_ptr<ProgressReport> startProgress(QWidget* parent,
                                                          const QString& label) = 0;
    virtual bool fileExists(const QString& path) = 0;
    virtual bool deleteFile(const QString& path) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};

Platform& platform();
// Installs another platform (tests); null restores the real one.
void setPlatform(Platform* replacement);

// A message box; an empty title shows the application title.
Answer msgBox(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
              Icon icon = Icon::None, const QString& title = {});

// The overwrite question "Fichier existant": true when no file of that name exists, or when the
// user answers Yes to replacing it.
bool mayOverwrite(QWidget* parent, const QString& path);

// The core's progress of one part of an operation, reported as `from` to `to` of the whole.
analysis::Progress progressPart(ProgressReport& report, double from = 0, double to = 1);

// The hourglass on a window for the lifetime of this object.
class Hourglass {
  public:
    explicit Hourglass(QWidget* window);
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    QWidget* window_;
};

// "Description (*.EXT)|*.EXT" filters: the patterns, and whether a file name matches them
// without regard to case.
QStringList filterPatterns(const QString& filter);
bool matchesFilter(const QString& fileName, const QString& filter);
// The filter for a Qt file dialog: the description as shown, patterns matching any case.
QString qtNameFilter(const QString& filter);
// The suffix a save dialog adds when the user typed none, in the filter's case ("DAT" for *.DAT).
QString defaultSuffix(const QString& filter);

// Message texts use CR LF, LF CR, CR or LF as line breaks; each becomes one line break.
QString displayText(const QString& text);

}  // namespace ui
