#pragma once

#include "core/coding/coding.h"
#include "ui/forms.h"

#include <QMainWindow>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;

namespace keypads {

// What keypads and charts share: the title band "Système de codification ", the menus
// "&Fichier" > "&Quitter" and "&Aide" > "&A propos de", and frames of code rows.
class CodingWindow : public ui::Form<QMainWindow> {
    Q_OBJECT
  protected:
    explicit CodingWindow(const QString& title);

    // Puts the body below the title band; the window keeps the size the body needs.
    void setBody(QLayout* body);
    // A frame with its design name; "&&" in a caption shows one ampersand.
    QGroupBox* frame(const QString& name, const QString& caption, const QString& accessibleName,
                     QWidget* parent);
    // The grid of a frame's rows: code label, description, and the option button if any.
    static QGridLayout* rowGrid(QWidget* frame);
    // Places a row's code label and description on the grid, after a wider gap when the row
    // opens a block; the labels are named lblCode<suffix> and lblDesc<suffix>. Returns the
    // grid line the row took.
    static int addRowLabels(QGridLayout* grid, const Row& row, const QString& suffix);

  private:
    void buildMenus();
    QLabel* titleBand_;
};

}  // namespace keypads
