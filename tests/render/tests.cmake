list(APPEND VANTOR_TEST_SOURCES
  render/DepthOrderTest.cpp
  render/GeometryTest.cpp
  render/QuadRasterTest.cpp
  render/StillDisplayTest.cpp
  render/ShadingTest.cpp
)
