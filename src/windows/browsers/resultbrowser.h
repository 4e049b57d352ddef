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

class ResultCells;
class ResultRowsModel;

// A window that lists entries of a file in a result grid: by initial letter (menu
// "&Recherche" > "&Alphabétique" > "&A" ... "&Z") or by the text typed in the search field.
// Every listing replaces the rows; one that finds nothing hides the grid and shows its message
// instead. "&Imprimer" prints the listed rows. The rows live in the subclass's model, which the
// grid only shows; what is listed, and how it is printed, is the subclass's.
class ResultBrowser : public Form<QMainWindow> {
    Q_OBJECT
  public:
    // The result rows, their texts as listed, padding kept.
    std::vector<QStringList> resultRows() const;

  protected:
    explicit ResultBrowser(const BrowserDesign& design);

    // The rows the grid shows from now on; the subclass owns them.
    void showRowsOf(ResultRowsModel* rows);

    // The headers, and the designed column widths, each wide enough for its header.
    void headerSetUp();

    // Repeats the last letter listing or form search on the lists as they are now: rows that
    // no longer hold what was listed must not stay shown.
    void listAgain();

    // Each replaces the model's rows with those found.
    virtual void listWithInitial(QChar letter) = 0;
    virtual void listFoundFor(const QString& text) = 0;
    virtual QList<QStringList> printedPages(const std::vector<QStringList>& rows) const = 0;

    Grid* resultGrid() const { return resultGrid_; }
    QMenu* searchMenu() const { return searchMenu_; }
    // The row of controls that holds the search frame; a subclass may add its own buttons.
    QHBoxLayout* searchRow() const { return searchRow_; }

  private:
    void buildMenus();
    void buildBody();
    void listByInitial(QChar letter);
    void searchTypedText();
    void showListing(const QString& message);
    void print();
    void preview();
    void exportListing();

    BrowserDesign design_;
    ResultRowsModel* rows_ = nullptr;
    ResultCells* cells_ = nullptr;

    QGroupBox* searchFrame_;
    QLineEdit* searchField_;
    QPushButton* searchButton_;
    QGroupBox* resultFrame_;
    Grid* resultGrid_;
    QLabel* resultMessage_;
    QHBoxLayout* searchRow_;
    QMenu* searchMenu_;

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
