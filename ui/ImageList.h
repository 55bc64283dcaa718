#pragma once

namespace ui {

// The pictures of the image list iList, by number. Controls carry only these numbers; the skin draws
// the pictures.
inline constexpr int ImageRoot = 1;
inline constexpr int ImageTrash = 2;
inline constexpr int ImageFolder = 3;
inline constexpr int ImageFolderSelected = 4;
inline constexpr int ImageItem = 5;
inline constexpr int ImageDayWithEntry = 6;

} // namespace ui
