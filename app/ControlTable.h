#pragma once

class QStatusBar;
class QWidget;

// The main window's client area of 12840 x 8325 twips with its fixed controls above the drawing
// area, built from one table: frames, commands, labels, result fields and the unit list, each
// named and placed as designed. Their accessible names and the tab order through the commands
// are set here too.
QWidget* buildClientArea(QWidget* window);

// The one status bar below the client area, "StatusBar".
void setUpStatusBar(QStatusBar* bar);
