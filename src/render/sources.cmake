# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_CORE_SOURCES
  src/render/geometry/ScreenPoints.cpp
  src/render/geometry/ViewGeometry.cpp
  src/render/shading/DisplayPalette.cpp
  src/render/shading/Shading.cpp
  src/render/picture/SolidPicture.cpp
  src/render/simulation/AnglePicture.cpp
  src/render/simulation/MeridianSweep.cpp
  src/render/simulation/PaletteBand.cpp
  src/render/simulation/RotationSimulation.cpp
  src/render/still/DepthOrder.cpp
  src/render/still/QuadRaster.cpp
  src/render/still/StillDisplay.cpp
  src/render/still/StillDisplayNearFirst.cpp
  src/render/still/StillDisplaySegmentMajor.cpp
)
