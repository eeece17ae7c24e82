#pragma once
// Graphics and resource helpers: fonts by point size, the common controls, string resources.
#include "framework/handles.h"

#include <windows.h>

#include <string>

// A plain font of the face at this many points on the screen.
HFONT PointFont(const char* face, int points);

// Registers the common control classes (tool bar, status bar) once per process.
void EnsureCommonControls();

// A text resource of the program (room: UTF-16 units, the terminating zero included); empty when
// there is none.
std::string LoadResourceString(HINSTANCE instance, UINT id, int room = 500);
