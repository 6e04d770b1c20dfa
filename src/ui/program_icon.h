#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pictavue {

// The program's icon, drawn from resources/pictavue.svg, which is built into the window's
// library: the window needs no file beside the program, and the desktop's icon files are made
// from the same picture (tools/write_icon_files.cpp). A small stack of framed pictures.
QImage ProgramIconImage(int size);
QPixmap ProgramIconPixmap(int size);
QIcon ProgramIcon();

}  // namespace pictavue
