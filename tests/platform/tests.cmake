# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  platform/NumbersTest.cpp
  platform/ExtendedFactorTest.cpp
  platform/WidgetsTest.cpp
  platform/FilesTest.cpp
  platform/BoundedReadTest.cpp
  platform/ConfigFolderTest.cpp
  platform/AtomicReplaceTest.cpp
  platform/SetSaveTest.cpp
  platform/SaveTargetsTest.cpp
  platform/SaveConflictsTest.cpp
  platform/SharedRoutinesTest.cpp
  platform/DesktopAnswersTest.cpp
  platform/CanvasTest.cpp
  platform/BmpTest.cpp
)
