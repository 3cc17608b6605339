#pragma once

#include <QPointer>

#include "response/MeasurementSource.h"
#include "response/ResponseEntry.h"

struct CircuitModel;
class QObject;
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
    // The window made if need be, following the model, shown and raised, its list of measurements
    // reported to `keeper`'s setMeasurements slot and its fits applied through its applyFit slot;
    // nullptr when the library cannot be loaded.
    QWidget* show(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper);
    // The window's measurement slots, reached by name since the library is not linked: "開く"
    // in the window, and the measurements a drawing file names (an empty list loads nothing).
    void openMeasurement(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper);
    void showMeasurements(QWidget* parent, ModelSnapshot& snapshot, QObject* keeper,
                          const MeasurementSources& sources);

private:
    bool load(QWidget* parent);

    CreateFrequencyResponse mCreate = nullptr;
    FollowFrequencyResponse mFollow = nullptr;
    QPointer<QWidget> mWindow;
};
