// Runs a fuzz target's entry point over files and folders of inputs without libFuzzer, so the
// seed corpus and the kept crashers are checked by every ordinary test run.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::size_t replayed = 0;
  const auto replay = [&replayed](const fs::path& input) {
    std::ifstream in(input, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++replayed;
  };
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (fs::is_regular_file(argv[i], error))
      replay(argv[i]);  // one kept crasher, when reproducing it
    for (const auto& entry : fs::recursive_directory_iterator(argv[i], error)) {
      if (entry.is_regular_file())
        replay(entry.path());
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return replayed == 0;  // a moved or empty corpus would pass without checking anything
}
