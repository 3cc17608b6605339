#include "editor/PlaceControl.h"

#include <QWidget>

#include "toolkit/Twips.h"

void PlaceControl(QWidget* control, int width, int height, double left, double top) {
    control->resize(twipsToPixels(width), twipsToPixels(height));
    control->move(twipsToPixels(left), twipsToPixels(top));
}
