#pragma once

#include <QIcon>
#include <QPixmap>

namespace pictavue {

// The program's icon, drawn rather than loaded so that it needs no file beside the program: a
// small stack of framed pictures.
QPixmap ProgramIconPixmap(int size);
QIcon ProgramIcon();

}  // namespace pictavue
