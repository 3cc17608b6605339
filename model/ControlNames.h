#pragma once

#include <string>
#include <string_view>

// The drawing remembers elements by their control names ("Picture7", "Image12"); these turn a
// name back into its slot or line, exactly as a comparison with every valid name would.

// Slot 1..20 of "Picture1".."Picture20", else 0.
int pictureSlot(std::string_view name);
// Line image 1..20 of "Image1".."Image20", else 0 (1..10 vertical, 11..20 horizontal).
int imageNumber(std::string_view name);
// Slot whose picture a drop target belongs to: the picture itself or a value label inside it
// ("Label3".."Label17", "Label23_0".."Label27_1"); 0 for any other control.
int dropTargetSlot(std::string_view name);

std::string pictureName(int slot);
