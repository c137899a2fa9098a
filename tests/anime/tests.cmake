list(APPEND VANTOR_TEST_SOURCES
  anime/AnimationWriterTest.cpp
  anime/AnimeHarness.cpp
  anime/FrameSavesTest.cpp
  anime/ScenarioTest.cpp
  anime/TAnimeFTest.cpp
  anime/TAnimeMoveFTest.cpp
)
