#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "picture/PictureIntake.h"

// Picture files of every kind the intake reads, as cameras, phones and print shops make them,
// written with libvips (and TurboJPEG for YCCK) from one upright picture: the marker colour in
// its top-left quarter, the case's own colour (sRGB) elsewhere.
namespace pw::test {

struct Rgb {
    int r = 0, g = 0, b = 0;
};
inline constexpr Rgb kMarker{200, 70, 60};  // inside the gamut of CMYK printing
inline constexpr Rgb kGreyMarker{40, 40, 40};  // of grey pictures

struct PictureCase {
    std::string name;  // the file name; its kind follows from the name ("orientation-6.jpg")
    PictureOutcome::Status status = PictureOutcome::Status::ok;
    int width = 64;    // upright, as it must come out
    int height = 48;
    Rgb colour{60, 170, 80};  // what the picture shows right of and below the marker
    bool grey = false;
};

// Every kind, in the order the books are made of them.
const std::vector<PictureCase>& pictureCases();
// Writes the case's file into the folder and gives its path.
std::string writePicture(const std::string& folder, const PictureCase& c);

// Whether the picture file shows the case upright, at its size, in its colours (within
// tolerance; a damaged case only at its size).
::testing::AssertionResult showsCase(const std::string& path, const PictureCase& c, double tolerance = 8);

} // namespace pw::test
