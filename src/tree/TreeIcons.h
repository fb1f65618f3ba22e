// The tree's image list: twelve 16 x 16 pictures drawn in code. Images 1/2
// mark satellites and category transponders (normal / selected), 3/4
// satellite transponders, 5 to 11 the seven top-level categories.
#pragma once

#include <QIcon>
#include <QPixmap>

inline constexpr int kTreeImageCount = 12;

QPixmap TreeImage(int index);
// An icon showing image normally and selectedImage while the node is selected.
QIcon TreeNodeIcon(int image, int selectedImage);
