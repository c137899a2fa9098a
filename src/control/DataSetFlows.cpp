#include "app/Program.h"
#include "control/TControlF.h"

namespace vantor {

// Loading, adding and saving data sets arrive with the file formats.
void TControlF::LoadExecute() {}
void TControlF::AddExecute() {}
void TControlF::SaveExecute() {}
void TControlF::SeparateDataName(const std::string&) {}
void TControlF::openIOTypeChange() {}
void TControlF::saveIOTypeChange() {}

}  // namespace vantor
