#include "anime/TAnimeF.h"

#include "app/Program.h"

namespace vantor {

TAnimeF::TAnimeF(Program& program) : Form("AnimeF"), m_program(program) {
    setCaption("アニメ編集");
    setBorderStyle(BorderStyle::Dialog);
    setClientSize(420, 300);
}

void TAnimeF::FormCreate() {}

}  // namespace vantor
