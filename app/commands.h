// The menu commands of the main window.
#pragma once

class MainWindow;

// Carries out one command (a menu item, a shortcut, an orientation picked in
// the popup, or New game after a win), then brings the menu in step.
void RunCommand(MainWindow& window, int command);
