#pragma once

#include <QPointer>

#include "response/ResponseEntry.h"

struct CircuitModel;
class QWidget;

// The main window's one frequency response window, made by its library, which is loaded when the
// window is first wanted: the one beside the program, or else one the dynamic loader finds by its
// name (the tests point the library path at the build's). A library that cannot be loaded is
// reported in the program's message box with the reason; nothing else changes.
class ResponseLibrary {
public:
    // The window, made on the first call; nullptr when the library cannot be loaded.
    QWidget* window(QWidget* parent);
    // Has the window, when there is one, follow the model.
    void follow(ModelSnapshot& snapshot) const;

private:
    bool load(QWidget* parent);

    CreateFrequencyResponse mCreate = nullptr;
    FollowFrequencyResponse mFollow = nullptr;
    QPointer<QWidget> mWindow;
};
