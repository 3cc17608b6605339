#pragma once

class Form1;
class QWidget;

// The menu bar above the client area: the analysis windows under "表示" and the help texts.
// Nothing in it changes the drawing.
void buildMainMenu(Form1& form);
void showHowTo(QWidget* parent);
void showAbout(QWidget* parent);
