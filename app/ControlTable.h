#pragma once

class QWidget;

// The main window's fixed controls above the drawing area, built from one table: frames,
// commands, labels, result fields and the unit list, each named and placed as designed. Their
// accessible names and the tab order through the commands are set here too.
void buildFixedControls(QWidget* clientArea);
