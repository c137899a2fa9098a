// vantor-cli: the program's logic without windows, for scripts and batch work.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace {
void usage(std::ostream& os) {
    os << "usage:\n"
          "  vantor-cli convert IN OUT\n"
          "      read a data set and write it in the format of OUT's extension (.va4 .va2 .csv .van)\n"
          "  vantor-cli render DATA -o OUT [--options FILE.vop] [--set name=value ...] [--color-depth 8]\n"
          "      draw the solid of DATA and write the picture (.bmp or .png)\n"
          "  vantor-cli options FILE.vop [--set name=value ...]\n"
          "      print an option file as name=value lines, or write a new or changed one\n"
          "  vantor-cli animate SCENARIO.snr -o OUT.gif|OUT.png [--delay MS]\n"
          "      write the scenario's frames as a looping animated GIF or PNG\n"
          "  vantor-cli export DATA -o OUT.stl|OUT.obj|OUT.ply [--segments N] [--angle DEG]\n"
          "      the solid as a triangle mesh for 3-D printing\n"
          "  vantor-cli measure DATA [--angle DEG] [--unit mm]\n"
          "      profile length, enclosed area, volume and surface area of the solid\n";
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        usage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    std::string command = args[0];
    args.erase(args.begin());
    if (command == "convert") return vantor::cli::convertCommand(args, std::cout, std::cerr);
    if (command == "export") return vantor::cli::exportCommand(args, std::cout, std::cerr);
    if (command == "measure") return vantor::cli::measureCommand(args, std::cout, std::cerr);
    if (command == "options") return vantor::cli::optionsCommand(args, std::cout, std::cerr);
    if (command == "render") return vantor::cli::renderCommand(args, std::cout, std::cerr);
    if (command == "animate") return vantor::cli::animateCommand(args, std::cout, std::cerr);
    std::cerr << "vantor-cli: unknown command '" << command << "'\n";
    usage(std::cerr);
    return 2;
}
