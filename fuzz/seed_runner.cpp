// The main of a fuzz target built without libFuzzer: runs the target once over each file of the
// seed folders it is given, in name order, and makes no new inputs. A target whose checks no
// longer match the code it tests fails on its own seeds here.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  std::vector<std::filesystem::path> seeds;
  for (int i = 1; i < argc; ++i) {
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    } else {
      seeds.emplace_back(argv[i]);
    }
  }
  std::ranges::sort(seeds);
  if (seeds.empty()) {
    std::cerr << "no seeds given\n";
    return 1;
  }
  for (const auto& seed : seeds) {
    std::ifstream file(seed, std::ios::binary);
    if (!file) {
      std::cerr << "cannot read " << seed << "\n";
      return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::cout << seed.filename().string() << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::cout << seeds.size() << " seeds ran\n";
  return 0;
}
