# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  render/DepthOrderTest.cpp
  render/GeometryTest.cpp
  render/QuadRasterTest.cpp
  render/RotationSimulationTest.cpp
  render/SolidPictureTest.cpp
  render/StillDisplayTest.cpp
  render/ShadingTest.cpp
)
