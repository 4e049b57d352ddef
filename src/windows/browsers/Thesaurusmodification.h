#pragma once

#include "core/grid/gridrows.h"
#include "ui/forms.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace thesaurus {

class frmrecherche02;

// The modification of the entry of the thesaurus browser's selected row, shown modal over the
// browser: every value but the form can be changed, by typing or through the three keypads,
// and "Enregistrer" rewrites the entry's record in place.
class Thesaurusmodification : public ui::Form<QMainWindow> {
    Q_OBJECT
  public:
    Thesaurusmodification();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPlainTextEdit* Text2;
    QPlainTextEdit* Text3;
    QPlainTextEdit* Text4;
    QPlainTextEdit* Text5;
    QPlainTextEdit* Text6;
    QLineEdit* Text7;  // hidden: the record number
    QPushButton* Command2;
    QPushButton* Command1;
    QPushButton* Command1_b;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;

    QMenu* fichier;
    QAction* quitter;
    QMenu* aide;
    QAction* about;

    // The browser's row being modified.
    int selectedRow = 0;

    void Form_Load() override;
    void Command2_Click();
    void Command1_Click();
    void quitter_Click();
    void Command1_b_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void about_Click();

    analysis::DetailFields values() const;

  protected:
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildMenus();
    void buildBody();
    QWidget* buildFields(QWidget* parent);
    void followVisualOrder();
    static frmrecherche02* browser();

    // The 216 bytes the browser listed for the entry: saving checks the file still holds them.
    QByteArray listed_;
};

}  // namespace thesaurus
