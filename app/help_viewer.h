// The help: HTML pages in the folder "Help" of the current directory, shown
// in the program's own help window. Map ids name topics: 0 the start page,
// 1 the View options topic, 2 the tutorial.
#pragma once

#include <QString>

class QWidget;

// The page file for a map id, from Help/Polyshard.map; empty when the map
// or the id is missing.
QString HelpPageForMapId(int mapId);

// Opens the help window at the topic of a map id (0 = start page). The one
// window is reused and brought to the front. Returns the window.
QWidget* OpenHelp(int mapId);
