#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/translation.h"

namespace pictavue {

// A text of the windows in the language of the application's translators: English when the
// program was told to speak it, else Japanese as written.
inline QString Translated(SourceText text) {
  return QCoreApplication::translate(text.context, text.text);
}

}  // namespace pictavue
