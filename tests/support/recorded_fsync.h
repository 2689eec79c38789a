#pragma once
// Linked into a test program, recorded_fsync.cpp takes the place of the C library's fsync: every
// call is done as usual and the folders it flushes are counted, so a test can tell that a rename
// was made durable.
#include <atomic>

extern std::atomic<int> FolderFlushes;
