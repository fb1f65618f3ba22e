// The tree's image list: twelve 16 x 16 pictures drawn in code. Images 1/2
// mark satellites and category transponders (normal / selected), 3/4
// satellite transponders, 5 to 11 the seven top-level categories.
#pragma once

#include <QIcon>
#include <QPixmap>

inline constexpr int kTreeImageCount = 12;
inline constexpr int kTreeImageSize = 16;

// The picture at its 16 x 16 pixels, as printing draws it.
QPixmap TreeImage(int index);
// An icon showing image normally and selectedImage while the node is selected,
// drawn at the size and pixel ratio of the screen.
QIcon TreeNodeIcon(int image, int selectedImage);
