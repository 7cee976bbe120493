#pragma once
// Pixel comparison for the plug-in tests, with a readable failure.

#include <QImage>

#include <gtest/gtest.h>

namespace halvane::klondike::test {

// Success when both pictures have the same size and pixels; otherwise says how many
// pixels differ and where the first one lies.
::testing::AssertionResult samePicture(const QImage& actual, const QImage& expected);

} // namespace halvane::klondike::test
