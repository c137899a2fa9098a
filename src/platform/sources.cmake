list(APPEND VANTOR_CORE_SOURCES
  src/platform/files/Files.cpp
  src/platform/pixels/Bitmap.cpp
  src/platform/pixels/Bmp.cpp
  src/platform/pixels/Canvas.cpp
  src/platform/pixels/Palette.cpp
  src/platform/widgets/Control.cpp
  src/platform/widgets/Dialogs.cpp
  src/platform/widgets/Form.cpp
  src/platform/widgets/Image.cpp
  src/platform/widgets/Label.cpp
  src/platform/widgets/ListBox.cpp
  src/platform/widgets/MenuItem.cpp
  src/platform/widgets/ScrollBar.cpp
  src/platform/widgets/SpeedButton.cpp
)
