#pragma once
// The desktop integration of the real program, shared with the tests that look at real
// windows: the program's name and icon, Qt's own Russian texts and the game's palette.

class QApplication;

void setUpApplication(QApplication& app);
