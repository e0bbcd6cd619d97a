// Small pictures of the program: its icon, the puzzle tree's marks and the
// picture of the About box.
#pragma once

#include <QByteArray>
#include <QImage>

enum class TreeIcon { Dash, Tick, Folder };

// The About box shows the picture at its own size: 137 x 39 dialog units at
// the classic 1.5 x 1.625 pixels per unit.
constexpr int kAboutWidth = 206;
constexpr int kAboutHeight = 63;

// The tangram square in seven colours on a transparent ground.
QImage MakeProgramIcon(int size);
// The same picture as a scalable SVG document (drawn like the large icons).
QByteArray MakeProgramIconSvg();
// 16 x 16 with transparency.
QImage MakeTreeIcon(TreeIcon kind);
QImage MakeAboutPicture();
