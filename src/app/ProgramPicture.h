#pragma once

#include <QIcon>
#include <QImage>

// The desktop's name for the program: its launcher entry, metadata and
// themed icon all go by it.
constexpr const char* ApplicationId = "org.example.Brisel";

// Brisel's own picture: a pixel canvas with a pencil, drawn at any size. The
// installed theme icons are made from it at build time.
QImage drawProgramIcon(int Size);
// The window icon, in the sizes desktops ask for.
QIcon programIcon();
