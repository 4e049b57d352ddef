#pragma once

#include "ui/forms.h"
#include "ui/platform.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <vector>

class QAction;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ui {

class Grid;

// A column width that the header set-up leaves at the grid's default.
constexpr int kDefaultWidth = -1;

// What tells the browsers apart in their design.
struct BrowserDesign {
    QString caption;
    QString searchFrame;  // Frame1's caption
    QString searchWhat;   // what Text1 holds, for screen readers: "Forme", "Lemme"
    QString message;      // Labelgrille's caption until the first listing
    QStringList headers;  // one per grid column
    QList<int> widths;    // twips per column, or kDefaultWidth
};

// The result messages of a listing that found nothing.
inline const QString kNothingForLetter =
    QStringLiteral("Aucune information n'est disponible pour la lettre demandée");
inline const QString kNothingForForm =
    QStringLiteral("Aucune information n'est disponible pour la forme demandée");

// A window that lists entries of a file in a result grid: by initial letter (menu
// "&Recherche" > "&Alphabétique" > "&A" ... "&Z") or by the text typed in Text1 (Command1).
// Every listing replaces the grid's content; one that finds nothing hides the grid and shows
// its message instead. "&Imprimer" prints the listed rows. What is listed, and how it is
// printed, is the subclass's.
class ResultBrowser : public Form<QMainWindow> {
    Q_OBJECT
  public:
    QLabel* Label1;
    QLabel* Label2;
    QGroupBox* Frame1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QGroupBox* Frame2;
    Grid* grille02;
    QLabel* Labelgrille;

    QMenu* fichier;
    QAction* imprimer;
    QAction* quitter;
    QAction* apercu;    // "Aperçu avant impression..."
    QAction* exporter;  // "Exporter en CSV..."
    QMenu* recherche;
    QMenu* alphabet;
    QList<QAction*> letterItems;  // la to lz, captioned "&A" to "&Z"
    QMenu* aide;
    QAction* about;

    // The grid row the next result row fills; still 1 after a listing that found nothing.
    int rowCounter = 1;

    // The handlers la_Click ... lz_Click: each item passes its own lower-case letter.
    void letter_Click(QChar letter);
    void Command1_Click();
    void imprimer_Click();
    void quitter_Click();
    void apercu_Click();
    void exporter_Click();
    void about_Click();

    // The result rows (grid rows 1 to row count - 2), their cells as the grid holds them.
    std::vector<QStringList> resultRows() const;

  protected:
    explicit ResultBrowser(const BrowserDesign& design);

    // Header texts, centred; column widths; column 4 aligned left and top.
    void headerSetUp();
    // Clears the grid and shows these rows, the first cell of each bold in the form colour,
    // below the header, with one empty row after them; or, when there are none, the message.
    void showListing(const QString& message, const std::vector<QStringList>& rows);

    // Repeats the last letter listing or form search on the lists as they are now: rows that
    // no longer hold what was listed must not stay shown.
    void listAgain();

    virtual std::vector<QStringList> rowsWithInitial(QChar letter) = 0;
    virtual std::vector<QStringList> rowsFoundFor(const QString& text) = 0;
    virtual QList<QStringList> printedPages(const std::vector<QStringList>& rows) const = 0;

    // The row of controls that holds Frame1; a subclass may add its own buttons to it.
    QHBoxLayout* searchRow;

  private:
    void buildMenus();
    void buildBody();

    BrowserDesign design_;
    struct LastListing {
        enum Kind { None, Letter, Form } kind = None;
        QChar letter;
        QString text;  // the searched form, as it was typed then
    } lastListing_;
};

// Opens a browser window (loading it first if needed, with the hourglass on busyWindow) and
// shows it modeless; a window already open is only brought to the front.
template <class W>
W* openBrowser(QWidget* busyWindow) {
    W* window = nullptr;
    {
        Hourglass hourglass(busyWindow);
        window = Forms::instance().load<W>();
    }
    Forms::showModeless(window);
    return window;
}

}  // namespace ui
