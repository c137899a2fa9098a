#include "display/OptionFile.h"

#include "platform/files/Files.h"

namespace vantor {

void readOptionFile(const Files&, const std::string&, DisplayOptions&) {}
void writeOptionFile(const Files&, const std::string&, const DisplayOptions&) {}
std::vector<std::uint8_t> encodeOptions(const DisplayOptions&) { return {}; }

}  // namespace vantor
