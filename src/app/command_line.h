#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/front_end.h"
#include "platform/launch.h"
#include "platform/status.h"
#include "platform/translation.h"
#include "request/gallery_run.h"
#include "request/session.h"

namespace pictavue {

// Which of the program's two faces a command line asks for.
enum class EntryMode {
  kWindow,   // the main window, perhaps with a folder to run for
  kConsole,  // batch mode, --help or --version: no window, no display needed
};

// kConsole when the first argument after the window's options (below) is --batch, --help or
// --version.
EntryMode ChooseEntryMode(const std::vector<std::string>& arguments);

// The windowed program's command line: "--settings FILE" and "--lang LANG" at its front, then the
// text that names a folder. A language other than ja and en means Japanese: the window has no
// place to say that it does not know one.
struct WindowCommandLine {
  std::optional<std::string> settings_file;
  std::optional<Language> language;
  std::string text;  // the other arguments joined by blanks, as the system gave one text
};

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);

// text without the pair of double quotes around it, when it has at least two characters and both
// its first and its last are double quotes; a lone quote stays.
std::string WithoutEnclosingQuotes(std::string_view text);

// The command-line run, after start-up: when the text (its enclosing quotes removed) names an
// existing folder, that folder in its canonical form goes into the search-folder box
// (show_search_folder, so that the questions of the run stand beside the folder they concern)
// and a run is requested exactly as the Create button does, with every check, message and
// question. True then: the program ends, saving its settings, whatever the request did. Anything
// else (no text, a file, a missing path) is ignored without a word and gives false: the window
// stays.
bool RunCommandLine(Session& session, FrontEnd& front_end, GalleryRun& run, Launcher& launcher,
                    std::string_view text,
                    const std::function<void(const std::string&)>& show_search_folder = {});

// Writes the settings and the history to the session's settings file, as closing the main window
// does. The window ignores a failure; batch mode reports it.
Status SaveSessionSettings(const Session& session);

}  // namespace pictavue
