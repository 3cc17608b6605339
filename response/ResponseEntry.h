#pragma once

class ModelSnapshot;
class QWidget;

// The frequency response window, with Qt Charts and Qt SVG under it, lives in a library of its
// own that the program loads the first time the window is opened: a session that never opens it
// loads neither. These are the functions the library is entered by, looked up by their C names.
extern "C" {
// A new, hidden window, owned by the parent.
QWidget* selvoriaCreateFrequencyResponse(QWidget* parent);
// The window takes a copy of the model and sweeps it within a frame.
void selvoriaFollowFrequencyResponse(QWidget* window, ModelSnapshot& snapshot);
}
using CreateFrequencyResponse = decltype(&selvoriaCreateFrequencyResponse);
using FollowFrequencyResponse = decltype(&selvoriaFollowFrequencyResponse);
inline constexpr char kCreateFrequencyResponse[] = "selvoriaCreateFrequencyResponse";
inline constexpr char kFollowFrequencyResponse[] = "selvoriaFollowFrequencyResponse";
// The library's file name, as the build and the installation place it beside the program.
inline constexpr char kResponseLibrary[] = "libselvoria_response.so";
