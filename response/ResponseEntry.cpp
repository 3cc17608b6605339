#include "response/ResponseEntry.h"

#include "response/ResponseWindow.h"

QWidget* selvoriaCreateFrequencyResponse(QWidget* parent) {
    return new ResponseWindow(parent);
}

void selvoriaFollowFrequencyResponse(QWidget* window, ModelSnapshot& snapshot) {
    // Only windows this library made are handed back to it.
    static_cast<ResponseWindow*>(window)->follow(snapshot);
}
