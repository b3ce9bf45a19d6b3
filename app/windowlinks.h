#pragma once
// How the windows of the program reach one another: each window library knows only
// the hooks in forms.h, and this connects them to the real windows.

void connectWindows();
