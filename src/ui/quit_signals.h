#pragma once
// SIGTERM and SIGINT close the main window the way its close button does, so settings and the
// roster are saved when the system asks the game to quit.

class QWidget;

void CloseWindowOnQuitSignals(QWidget* window);
