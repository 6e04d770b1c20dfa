#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

#include "platform/translation.h"

namespace pictavue {

// A text of the windows in the language of the application's translators: English when the
// program was told to speak it, else Japanese as written.
inline QString Translated(SourceText text) {
  return QCoreApplication::translate(text.context, text.text);
}

// A text of the main window that the rules hand over as a view of a PICTAVUE_TEXT literal (a
// list entry, a hint); one without a translation, like a number, is shown as written.
inline QString TranslatedWindowText(std::string_view text) {
  return QCoreApplication::translate("frmMain", std::string(text).c_str());
}

}  // namespace pictavue
