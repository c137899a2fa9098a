list(APPEND VANTOR_TEST_SOURCES
  render/DepthOrderTest.cpp
  render/GeometryTest.cpp
  render/QuadRasterTest.cpp
  render/RotationSimulationTest.cpp
  render/SolidPictureTest.cpp
  render/StillDisplayTest.cpp
  render/ShadingTest.cpp
)
