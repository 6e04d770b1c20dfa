#include "generate/front_end.h"

namespace pictavue {

int ShowMessage(FrontEnd& front_end, const std::string& prompt, int style, std::string& title) {
  if (title.empty()) {
    title = kProgramTitle;
  }
  return front_end.ShowMessageBox(prompt, style, title);
}

int ShowMessage(FrontEnd& front_end, const std::string& prompt, int style) {
  std::string title;
  return ShowMessage(front_end, prompt, style, title);
}

}  // namespace pictavue
