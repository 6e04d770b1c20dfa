#pragma once

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace pictavue::fuzz {

// A broken invariant ends the run the way a crash does, so the fuzzer keeps the input.
inline void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Seed inputs of one fuzz target: file name and bytes. Seeds are made by our own code, so the
// corpus needs no files from elsewhere.
using SeedList = std::vector<std::pair<std::string, std::string>>;

struct SeedRegistration {
  SeedRegistration(const char* target, SeedList (*make)());
};

// Defines the seeds of target:  PICTAVUE_FUZZ_SEEDS(profile_file) { return {{"empty", ""}}; }
// Only make_fuzz_seeds registers them; the fuzz and replay programs compile the block away.
#ifdef PICTAVUE_FUZZ_NO_SEEDS
#define PICTAVUE_FUZZ_SEEDS(target) \
  [[maybe_unused]] static ::pictavue::fuzz::SeedList MakeSeeds_##target()
#else
#define PICTAVUE_FUZZ_SEEDS(target)                                                                \
  static ::pictavue::fuzz::SeedList MakeSeeds_##target();                                          \
  static const ::pictavue::fuzz::SeedRegistration seed_registration_##target(#target,              \
                                                                             &MakeSeeds_##target); \
  static ::pictavue::fuzz::SeedList MakeSeeds_##target()
#endif

}  // namespace pictavue::fuzz
