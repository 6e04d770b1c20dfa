#pragma once

#include <functional>
#include <string>

#include "collect/run_feedback.h"
#include "settings/control_id.h"

namespace pictavue {

// Message-box styles, in the platform's numbering (buttons + icon + default button).
inline constexpr int kStyleStop = 16;                // stop icon, OK
inline constexpr int kStyleQuestion = 36;            // question icon, Yes and No, Yes default
inline constexpr int kStyleWarning = 48;             // warning icon, OK
inline constexpr int kStyleQuestionDefaultNo = 292;  // question icon, Yes and No, No default

// Pressed buttons.
inline constexpr int kButtonOk = 1;
inline constexpr int kButtonCancel = 2;
inline constexpr int kButtonYes = 6;
inline constexpr int kButtonNo = 7;

inline constexpr char kProgramTitle[] = "Pictavue";

// How the user is pointed at a control after a failed check.
enum class FocusAction {
  kFocus,           // give it the focus
  kFocusAndSelect,  // FocusAndSelect: select its whole text when it already has the focus,
                    // else give it the focus (a text box then selects its text itself)
};

// The one interface between the core and a front end (the Qt windows, the batch console, the
// recording fake of the tests). The core never shows anything itself.
class FrontEnd : public RunFeedback {
 public:
  // Shows a modal message box with the style's icon and buttons and returns the pressed button
  // (kButtonOk, kButtonYes, kButtonNo, ...). Use ShowMessage(), which fills in the title.
  virtual int ShowMessageBox(const std::string& prompt, int style, const std::string& title) = 0;

  // Points the user at a control: selects tab page tab_page of the main window (1 to 4; 0 leaves
  // the tabs as they are), then focuses the control as action says.
  virtual void PointAt(int tab_page, ControlId control, FocusAction action) = 0;

  // The status line of the progress window (lblStatus).
  virtual void SetStatus(const std::string& text) = 0;

  // Shows the progress window modally, calls run once the window is on screen, and returns when
  // run has returned and the window has closed. A fresh window for every call.
  virtual void RunModal(const std::function<void()>& run) = 0;

  // Lets pending window events be processed once.
  virtual void ProcessEvents() = 0;
};

// The program's one message service: an empty title becomes the program's title, in the
// caller's variable too. Returns the pressed button.
int ShowMessage(FrontEnd& front_end, const std::string& prompt, int style, std::string& title);

// The same with the program's title, for callers that pass no title of their own.
int ShowMessage(FrontEnd& front_end, const std::string& prompt, int style);

}  // namespace pictavue
