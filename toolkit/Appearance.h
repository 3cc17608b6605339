#pragma once

#include <QFont>

// The window's controls use a Japanese Mincho face; IPA Mincho comes from Debian's fonts.
QFont minchoFont(double pointSize = 9.0);
