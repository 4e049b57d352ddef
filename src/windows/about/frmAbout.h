#pragma once

#include "core/system/sysinfo.h"
#include "ui/forms.h"

#include <QWidget>

namespace about {

// The about box: product information and the system-information launcher.
class frmAbout : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    frmAbout();

    // The lookup behind the system-information launcher; tests replace it.
    static void setKeyLookup(KeyLookup lookup);

  private:
    QWidget* buildCredits();
    // Starts the system-information program, or says it is not available.
    void startSysInfo();
};

// The one command behind every "&A propos de": the about box, modal over its caller.
void showAboutBox();

}  // namespace about
