#pragma once

#include "ui/forms.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// The thesaurus kinds handed to the analysis workspace in Text2.
inline const QString kKindNone = QStringLiteral("0");
inline const QString kKindBase = QStringLiteral("1");
inline const QString kKindOther = QStringLiteral("2");

// Chooses the working thesaurus of an analysis: the base thesaurus, an existing thesaurus, or
// a new one (empty or a copy of the base thesaurus); then opens the analysis workspace.
class ThesaurusChoix : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    ThesaurusChoix();

    QLabel* Label1;
    QLabel* Label2;
    QGroupBox* Frame1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    // Hidden: the working thesaurus path and kind, read by the analysis workspace.
    QLineEdit* Text1;
    QLineEdit* Text2;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  private:
    QPushButton* button(const QString& name, const QString& caption);
    bool baseThesaurusReady();
    void warnUnlessThesaurus(const QString& path);
    // Creates the new thesaurus file; false (with a message shown) when it could not be.
    bool createThesaurus(const QString& path, bool import);
    void choose(const QString& path, const QString& kind);
};

}  // namespace shell
