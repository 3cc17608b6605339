#pragma once

class QWidget;

// Sizes a control (whole twips) and then moves its top-left corner to (left, top) in twips.
void PlaceControl(QWidget* control, int width, int height, double left, double top);
