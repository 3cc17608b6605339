#pragma once

#include <string>

#include "measurement/Measurement.h"

// The measurement as comma-separated text with the header "frequency_Hz,re_ohm,im_ohm", one line
// per point in the shortest digits that read back as the same doubles.
std::string measurementCsv(const Measurement& measurement);
