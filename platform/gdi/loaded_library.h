#pragma once
// A shared library the program needs only for some of its work (printing, a font not where its
// package puts it), opened on first use so that a start does not pay for loading it. It stays
// loaded for the rest of the run: its static data may hold what other libraries refer to.
#include <dlfcn.h>

#include <optional>

class LoadedLibrary {
 public:
  // Opens the library by its versioned name ("libcairo.so.2"); not Loaded() when it is missing.
  explicit LoadedLibrary(const char* soname) : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  bool Loaded() const { return handle_ != nullptr; }

  // Sets `function` to the library's function of that name; false when there is none.
  template <class Function>
  bool Take(Function*& function, const char* name) const {
    function = handle_ == nullptr ? nullptr : reinterpret_cast<Function*>(dlsym(handle_, name));
    return function != nullptr;
  }

 private:
  void* handle_;
};

// The table of functions `take` fills from the library, made on first use and kept for the run;
// null when the library or one of the functions is missing.
template <class Functions>
const Functions* FunctionTable(const char* soname, bool (*take)(const LoadedLibrary&, Functions&)) {
  static const std::optional<Functions> table = [&]() -> std::optional<Functions> {
    static const LoadedLibrary library(soname);
    Functions functions{};
    if (!take(library, functions)) return std::nullopt;
    return functions;
  }();
  return table ? &*table : nullptr;
}
