#pragma once

class QDialogButtonBox;
class ResponseWindow;

// The frequency response window's export commands (CSV, Touchstone, PNG, SVG, PDF), each asking
// the window where to save; the caller adds the commands that are not exports.
QDialogButtonBox* exportButtons(ResponseWindow& window);
