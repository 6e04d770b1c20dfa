// The entry point of the window's library (see window_module.h).

#include "app/window_module.h"

#include "app/gui_app.h"

#if defined(_WIN32)
#define PICTAVUE_WINDOW_EXPORT __declspec(dllexport)
#else
#define PICTAVUE_WINDOW_EXPORT __attribute__((visibility("default")))
#endif

extern "C" PICTAVUE_WINDOW_EXPORT int PictavueRunWindow(int* argc, char** argv) {
  return pictavue::RunGuiApplication(*argc, argv);
}
