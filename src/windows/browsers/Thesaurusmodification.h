#pragma once

#include "core/browsing/browsing.h"
#include "ui/forms.h"

#include <QMainWindow>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace thesaurus {

// The modification of one thesaurus entry, shown modal over the browser that lists it: every
// value but the form can be changed, by typing or through the three keypads. "Enregistrer"
// hands the values typed to whoever opened the window, which writes them and closes it.
class Thesaurusmodification : public ui::Form<QMainWindow> {
    Q_OBJECT
  public:
    explicit Thesaurusmodification(ResultRow entry);

    void Form_Load() override;

  signals:
    // "Enregistrer": these values for the entry the window was given.
    void edited(const thesaurus::ResultRow& entry, const analysis::DetailFields& values);

  protected:
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildMenus();
    void buildBody();
    QWidget* buildFields(QWidget* parent);
    void followVisualOrder();
    analysis::DetailFields typedValues() const;
    void save();

    ResultRow entry_;

    QLineEdit* formField_;
    QPlainTextEdit* lemmaField_;
    QPlainTextEdit* translationField_;
    QPlainTextEdit* categoryField_;
    QPlainTextEdit* caseGenderNumberField_;
    QPlainTextEdit* moodTenseVoiceField_;
    QLineEdit* recordNumberField_;  // hidden
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QPushButton* categoryKeypadButton_;
    QPushButton* caseGenderNumberKeypadButton_;
    QPushButton* moodTenseVoiceKeypadButton_;
    QPushButton* categoryChartButton_;
    QPushButton* caseMoodChartButton_;
};

}  // namespace thesaurus
