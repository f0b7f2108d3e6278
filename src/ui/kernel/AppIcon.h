#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a yellow L on a deep blue tile, with three steps
// marching up beside it. resources/lettermarch.svg is the same drawing.
QImage drawAppIcon(int size);
QIcon appIcon();
