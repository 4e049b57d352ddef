#pragma once

#include "windows/keypads/codingwindow.h"

class QFrame;

namespace keypads {

// A display-only chart of codes: frames of code labels and descriptions, nothing to select.
class CodingChart : public CodingWindow {
    Q_OBJECT
  protected:
    using CodingWindow::CodingWindow;

    // A frame showing the code rows of each group, a line between two groups. Its labels are
    // numbered on across the whole chart (lblCode1, lblDesc1, ...).
    QGroupBox* chartFrame(const QString& name, const QString& caption,
                          const QList<const Group*>& groups);

  private:
    int labelCount_ = 0;
};

// The category chart.
class pave02 : public CodingChart {
    Q_OBJECT
  public:
    pave02();
};

// The feature chart: case, gender, person and number above; mood, tense and voice below.
class pave03 : public CodingChart {
    Q_OBJECT
  public:
    pave03();
};

}  // namespace keypads
