#pragma once

class QDialogButtonBox;
class ResponseWindow;

// The frequency response window's commands beside its views.

// The exports (CSV, Touchstone, PNG, SVG, PDF), each asking the window where to save, and
// "閉じる", which Escape also gives, as in the dialogs the window replaces.
QDialogButtonBox* commandButtons(ResponseWindow& window);

// "コピー": Ctrl+C where no field takes it, and an entry of the window's context menu.
void addCopyCommand(ResponseWindow& window);
