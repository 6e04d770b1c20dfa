#include "app/gui_app.h"

int main(int argc, char** argv) {
  return pictavue::RunGuiApplication(argc, argv);
}
