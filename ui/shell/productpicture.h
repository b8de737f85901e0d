#pragma once

#include <QIcon>
#include <QPixmap>

// The product picture, drawn from its SVG at any size.
QPixmap productPicture(int side);

// The program's icon, at the sizes desktops ask for.
QIcon productIcon();
