#include "support/cleanstart.h"

#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"

void startClean(std::unique_ptr<FakePlatform>& platform, const TestDataHome& home) {
    drive::closeAll();
    // The old double goes first: it uninstalls itself as it goes.
    platform.reset();
    platform = std::make_unique<FakePlatform>();
    home.empty();
}
