#pragma once

#include "core/system/sysinfo.h"
#include "ui/forms.h"

#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace about {

// The about box: product information and the system-information launcher.
class frmAbout : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    frmAbout();

    // The lookup behind the system-information launcher; tests replace it.
    static void setKeyLookup(KeyLookup lookup);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
    QLabel* picIcon;
    QGroupBox* Frame1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QFrame* Line1;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

  private:
    QWidget* buildCredits();
};

// The one command behind every "&A propos de": the about box, modal over its caller.
void showAboutBox();

}  // namespace about
