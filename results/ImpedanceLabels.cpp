#include "results/ImpedanceLabels.h"

#include <cmath>

#include "text/NumberText.h"

namespace {

std::string halfUp(double value) {
    return wholeText(std::floor(value + 0.5));
}

}  // namespace

std::string realPartLabel(double shownRe, const std::string& unit) {
    return halfUp(shownRe) + unit;
}

std::string imaginaryPartLabel(double shownIm, const std::string& unit) {
    if (shownIm < 0) return "－ｊ" + halfUp(-shownIm) + unit;
    return "＋ｊ" + halfUp(shownIm) + unit;
}
