#pragma once

#include "windows/browsers/thesaurusbrowser.h"

namespace thesaurus {

// The base thesaurus browser: lists and searches the base thesaurus, which it never writes.
class frmrecherche01 : public ThesaurusBrowser {
    Q_OBJECT
  public:
    frmrecherche01();

    void Form_Load() override;
};

}  // namespace thesaurus
