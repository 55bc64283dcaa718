#pragma once

#include <QIcon>

namespace qt {

// The pictures of the image list iList, by image number (1 root, 2 Trash, 3 folder, 4 open folder,
// 5 item, 6 day with an entry), drawn here so the program ships no picture files. Unknown numbers give
// a null icon.
QIcon imageIcon(int image);

// A tree node's icon: `image` normally, `selectedImage` (when not 0) while the node is selected.
QIcon nodeIcon(int image, int selectedImage);

// The pictures on the two panel tabs.
QIcon calculatorTabIcon();
QIcon schedulerTabIcon();

} // namespace qt
