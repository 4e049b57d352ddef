#pragma once

#include <memory>

class FakePlatform;
class TestDataHome;

// Each window test starts as the first one did, whatever an earlier one left behind when it
// failed half-way: no window loaded or waiting to be deleted, a new platform double with nothing
// queued or recorded, and an empty private data folder.
void startClean(std::unique_ptr<FakePlatform>& platform, const TestDataHome& home);
