#pragma once

#include <QIcon>
#include <QImage>

// Brisel's own picture: a pixel canvas with a pencil, drawn at any size.
QImage drawProgramIcon(int Size);
// The window icon, in the sizes desktops ask for.
QIcon programIcon();
