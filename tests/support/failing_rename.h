#pragma once
// Linked into a test program, failing_rename.cpp takes the place of the C library's rename: while
// FailRenames is set, every rename fails as one across devices would, so the last step of a safe
// rewrite, putting the new table in place of the old, fails even for root.
#include <atomic>

extern std::atomic<bool> FailRenames;
