#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/textutil.h"

// Splits the input into words until the empty word, as the callers do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  const std::string original = line;
  int start = 0;
  int position = 0;
  std::string word;
  std::size_t letters = 0;
  for (std::size_t words = 0; words <= original.size() + 1; ++words) {
    if (csplit(line, start, word, position).empty()) break;
    if (word.find(' ') != std::string::npos) std::abort();
    letters += word.size();
  }
  if (!word.empty()) std::abort();  // the loop must end with the empty word
  if (original.size() > CsplitLineLimit ? !line.empty() : line != original) std::abort();
  if (letters > original.size()) std::abort();
  return 0;
}
