#pragma once
// The handle layers tell the class layers when a handle stops naming anything (a deleted DC or
// drawing object, a destroyed window or menu), so that a class form can forget its wrapper of the
// handle without the handle layer knowing the classes.
#include <vector>

template <typename Handle>
class HandleEndWatchers {
 public:
  using Watcher = void (*)(Handle);

  void Add(Watcher watcher) { watchers_.push_back(watcher); }
  void Tell(Handle handle) const {
    for (Watcher watcher : watchers_) watcher(handle);
  }

 private:
  std::vector<Watcher> watchers_;
};
