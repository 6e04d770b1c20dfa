#pragma once

// The window and everything of Qt live in a library of their own beside the program, loaded
// only when the window is to be shown: batch mode then maps no Qt at all, which saves about
// 10 MiB and some milliseconds at every start.

extern "C" {
// The library's one export: RunGuiApplication.
using RunWindowFunction = int (*)(int* argc, char** argv);
}

namespace pictavue {

inline constexpr char kRunWindowFunction[] = "PictavueRunWindow";

}  // namespace pictavue
