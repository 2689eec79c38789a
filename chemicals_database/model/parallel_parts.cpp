#include "chemicals_database/model/parallel_parts.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr unsigned MostThreads = 8;

}  // namespace

void DoPartsInParallel(std::size_t parts, unsigned threads, const std::function<void(std::size_t part)>& work) {
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1U, MostThreads);
  std::atomic<std::size_t> next{0};
  std::mutex failureGuard;
  std::exception_ptr failure;
  const auto doParts = [&] {
    for (std::size_t part = next++; part < parts; part = next++) {
      try {
        work(part);
      } catch (...) {
        const std::lock_guard lock(failureGuard);
        if (!failure) failure = std::current_exception();
        next = parts;
      }
    }
  };
  {
    std::vector<std::jthread> helpers;
    for (std::size_t helper = 1; helper < std::min<std::size_t>(threads, parts); ++helper) {
      try {
        helpers.emplace_back(doParts);
      } catch (const std::system_error&) {
        break;  // fewer threads do the same work
      }
    }
    doParts();
  }
  if (failure) std::rethrow_exception(failure);
}
