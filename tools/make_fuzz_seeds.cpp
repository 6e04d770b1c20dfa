// Writes the seed corpus of every fuzz target into <folder>/<target>/.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "fuzz_seeds.h"

namespace pictavue::fuzz {
namespace {

std::map<std::string, SeedList (*)()>& Registry() {
  static std::map<std::string, SeedList (*)()> registry;
  return registry;
}

}  // namespace

SeedRegistration::SeedRegistration(const char* target, SeedList (*make)()) {
  Registry()[target] = make;
}

}  // namespace pictavue::fuzz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
    return 2;
  }
  namespace fs = std::filesystem;
  for (const auto& [target, make] : pictavue::fuzz::Registry()) {
    const fs::path folder = fs::path(argv[1]) / target;
    fs::create_directories(folder);
    for (const auto& [name, bytes] : make()) {
      std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out) {
        std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n",
                     (folder / name).string().c_str());
        return 1;
      }
    }
  }
  return 0;
}
