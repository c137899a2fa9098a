# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  export/PrintChecksTest.cpp
  export/PrintFaultsTest.cpp
  export/RegionsTest.cpp
  export/SolidExportTest.cpp
  export/AnimationWriterTest.cpp
  export/AnimationDifferencingTest.cpp
  export/AnimationBoundsTest.cpp
)
