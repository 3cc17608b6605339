#pragma once

class QString;
class QWidget;

// The program's message box: critical icon, OK only, the application's title "Selvoria" as its
// caption. Returns when the user has answered it.
void showCriticalMessage(QWidget* parent, const QString& text);
