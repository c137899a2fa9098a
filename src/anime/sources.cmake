list(APPEND VANTOR_CORE_SOURCES
  src/anime/TAnimeF.cpp
  src/anime/TAnimeMoveF.cpp
)
