#pragma once

class DrawingDocument;
class Form1;
class QWidget;

// The menu bar above the client area: the drawing's file and history, the analysis windows
// under "表示" and the help texts.
void buildMainMenu(Form1& form, DrawingDocument& document);
void showHowTo(QWidget* parent);
void showAbout(QWidget* parent);
