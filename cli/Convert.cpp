#include "Commands.h"

namespace vantor::cli {

int convertCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "vantor-cli convert: not available in this build\n";
    return 2;
}

}  // namespace vantor::cli
