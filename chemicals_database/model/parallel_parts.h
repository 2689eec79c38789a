#pragma once
// Work cut into parts, done by the calling thread and a few helper threads at once, each taking the
// next part not yet taken. An exception from a part is thrown again by the caller once all threads
// have stopped.
#include <cstddef>
#include <functional>

// threads 0: as many as the machine has cores, at most eight. No helper starts for a single part.
void DoPartsInParallel(std::size_t parts, unsigned threads, const std::function<void(std::size_t part)>& work);
