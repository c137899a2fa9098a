list(APPEND VANTOR_CORE_SOURCES
  src/display/OptionFile.cpp
  src/display/TLightAF.cpp
  src/display/TLightEF.cpp
  src/display/TScrollDotF.cpp
  src/display/TVantorF.cpp
  src/display/TVantorFBrightness.cpp
  src/display/TVantorFDisplay.cpp
  src/display/geometry/ViewGeometry.cpp
  src/display/shading/DisplayPalette.cpp
  src/display/shading/Shading.cpp
  src/display/still/DepthOrder.cpp
  src/display/still/ElementShading.cpp
  src/display/still/QuadRaster.cpp
  src/display/still/StillDisplay.cpp
)
