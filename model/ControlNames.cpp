#include "model/ControlNames.h"

namespace {

// n when name is prefix followed by n written plainly (no sign, no leading zero), n in 1..last.
int numberedName(std::string_view name, std::string_view prefix, int first, int last) {
    if (!name.starts_with(prefix)) return 0;
    const std::string_view digits = name.substr(prefix.size());
    for (int n = first; n <= last; ++n)
        if (digits == std::to_string(n)) return n;
    return 0;
}

}  // namespace

int pictureSlot(std::string_view name) {
    return numberedName(name, "Picture", 1, 20);
}

int imageNumber(std::string_view name) {
    return numberedName(name, "Image", 1, 20);
}

int dropTargetSlot(std::string_view name) {
    if (const int slot = pictureSlot(name)) return slot;
    if (const int label = numberedName(name, "Label", 3, 17)) return label - 2;
    const std::size_t element = name.rfind('_');
    if (element == std::string_view::npos) return 0;
    const std::string_view suffix = name.substr(element);
    if (suffix != "_0" && suffix != "_1") return 0;
    const int pair = numberedName(name.substr(0, element), "Label", 23, 27);
    return pair != 0 ? pair - 7 : 0;
}

std::string pictureName(int slot) {
    return "Picture" + std::to_string(slot);
}
