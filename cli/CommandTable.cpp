// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-commands of vantor-cli, their options and the functions that run
// them. Adding a command or an option here adds it to every help text, the
// manual page and the shell completion.
#include "CommandLine.h"
#include "Commands.h"

namespace vantor::cli {

namespace {

constexpr std::string_view DataFiles = "va4 va2 csv van";

const OptionSpec OptionsFile{"--options", "", "FILE.vop", "an option file read after the data set's own",
                             ValueKind::Files, "vop"};
const OptionSpec SetOption{"--set", "", "name=value", "change one display option (repeatable; see 'vantor-cli options')",
                           ValueKind::OptionField, "", true};
const OptionSpec ColorDepth{"--color-depth", "", "BITS", "8 draws as on a 256-colour screen (palette path); default 32",
                            ValueKind::Words, "8 16 24 32"};
const OptionSpec Size{"--size", "", "WxH", "picture size up to 8192x8192 (default 600x400); the solid fills it as the window"};
const OptionSpec Threads{"--threads", "", "N", "threads of the still display (default: one a hardware thread)"};
const OptionSpec Angle{"--angle", "", "DEG", "turn only part of a full turn (above 0, up to 360; default 360)"};
const OptionSpec Thickness{"--thickness", "", "T", "give open figures a wall of T data units (above 0, up to 1000)"};
const OptionSpec Scale{"--scale", "", "S", "millimetres per data unit (above 0, up to 1000; default 1); measures in mm"};

std::vector<CommandSpec> makeTable() {
    return {
        {"convert",
         {"IN OUT"},
         "read a data set and write it in the format of OUT's extension (.va4 .va2 .csv .van)",
         "The .zuk and .vop beside IN are read as a load reads them.\n"
         "The .vop (and for .va4 the .zuk) are written beside OUT as a save writes them.",
         DataFiles,
         2,
         {},
         "vantor-cli convert vase.va4 vase.csv",
         runConvert},
        {"render",
         {"DATA -o OUT [--options FILE.vop] [--set name=value ...] [--color-depth 8] [--size WxH] [--threads N]"},
         "draw the solid of DATA as the display window does and write the picture (.png, else BMP)",
         "The picture starts from the factory options and the data set's own .vop, not from the standard option file,\n"
         "so that it depends only on the files named.",
         DataFiles,
         1,
         {{"--output", "-o", "OUT", "the picture to write: .png, else a BMP file", ValueKind::Files, "png bmp"},
          OptionsFile, SetOption, ColorDepth, Size, Threads},
         "vantor-cli render vase.va4 -o vase.png --set viewHeight=60",
         runRender},
        {"options",
         {"FILE.vop [--set name=value ...]"},
         "print an option file as name=value lines, or write a new or changed one",
         "Without --set the options are printed one name=value line a field.\n"
         "With --set the named fields change (a new file starts from the factory values).\n"
         "Nothing is written unless every assignment is valid.",
         "vop",
         1,
         {SetOption},
         "vantor-cli options view.vop --set zoom=2 --set lightDirH=270",
         runOptions},
        {"animate",
         {"SCENARIO.snr -o OUT.gif|OUT.png [--delay MS]",
          "DATA --simulation -o OUT.gif|OUT.png [--color-depth 8] [--options FILE.vop] [--set name=value ...] "
          "[--delay MS] [--size WxH] [--threads N]"},
         "write a scenario's frames, or one turn of the rotation simulation, as a looping animated GIF or PNG",
         "A scenario's frames are read from the scenario's folder in playing order (default 100 ms each).\n"
         "The simulation makes one frame a tick (default: its own interval).\n"
         "GIF stores delays in hundredths of a second and no shorter than 20 ms, since viewers play shorter ones at 100 ms.",
         "snr va4 va2 csv van",
         1,
         {{"--output", "-o", "OUT", "the animation to write: .gif or .png", ValueKind::Files, "gif png"},
          {"--delay", "", "MS", "milliseconds a frame (1 ... 65535)"},
          {"--simulation", "", "", "turn the solid of a data set instead of playing a scenario", ValueKind::None},
          OptionsFile, SetOption, ColorDepth, Size, Threads},
         "vantor-cli animate vase.va4 --simulation -o turn.gif",
         runAnimate},
        {"export",
         {"DATA -o OUT.stl|OUT.3mf|OUT.obj|OUT.ply [--segments N] [--angle DEG] [--thickness T] [--scale S] [--allow-open] "
          "[--per-figure]"},
         "write the solid as a triangle mesh for 3-D printing",
         "Each figure fills what its outline winds around (nonzero rule): a figure that crosses itself fills every loop,\n"
         "a part beyond the axis is mirrored onto this side, and overlaps are counted once. What was resolved is named.\n"
         "An open figure needs --thickness to become a solid; without it nothing is written unless --allow-open asks for\n"
         "the bare surface. The mesh is the union of all figures: each connected part one closed shell, overlaps printed\n"
         "once; a 3MF holds it as one object in millimetres, each part in its figure's colour. Nothing is written for\n"
         "figures that enclose no area or coordinates beyond single precision at the scale.",
         DataFiles,
         1,
         {{"--output", "-o", "OUT", "the mesh to write: .stl, .3mf, .obj or .ply", ValueKind::Files, "stl 3mf obj ply"},
          {"--segments", "", "N", "steps for a full turn (3 ... 100000, default 64)"},
          Angle, Thickness, Scale,
          {"--allow-open", "", "", "write open figures without a wall as bare surfaces (for renderers, not printers)",
           ValueKind::None},
          {"--per-figure", "", "", "each figure its own shell (in 3MF its own object), overlaps and all, for multi-material work",
           ValueKind::None}},
         "vantor-cli export vase.va4 -o vase.3mf --segments 128 --thickness 2",
         runExport},
        {"measure",
         {"DATA [--angle DEG] [--thickness T] [--unit mm] [--scale S]"},
         "print each figure's profile length, enclosed area, and the volume and surface area of its solid",
         "The total counts volume that figures share once; the size is width x depth x height in mm.",
         DataFiles,
         1,
         {Angle, Thickness,
          {"--unit", "", "mm", "print lengths in mm, areas in mm² and volumes in ml (one data unit is one millimetre)",
           ValueKind::Words, "mm"},
          Scale},
         "vantor-cli measure vase.va4 --scale 0.5",
         runMeasure},
        {"check",
         {"DATA [--nozzle MM] [--max-overhang DEG] [--scale S] [--thickness T]"},
         "list what would spoil a print: overhangs, thin walls, parts in the air, open figures and no area",
         "Each finding names the figure, the vertices of the segment and its coordinates in data units. A thin wall is\n"
         "material the nozzle cannot draw (the section shrunk and grown by half the nozzle width loses it), with its\n"
         "place and measured width.\n"
         "Exit status 0: no findings; 1: findings, or the data set could not be checked.",
         DataFiles,
         1,
         {{"--nozzle", "", "MM", "nozzle width in mm (above 0, up to 10; default 0.4)"},
          {"--max-overhang", "", "DEG", "how far from vertical a face may lean down (0 ... 90; default 45)"},
          Scale, Thickness},
         "vantor-cli check vase.va4 --thickness 2 --nozzle 0.6",
         runCheck},
        {"profile",
         {"DATA -o OUT.svg|OUT.pdf|OUT.dxf [--scale S]"},
         "write the drawn figures at true size as a template: SVG, PDF or DXF",
         "One data unit is S millimetres (default 1); the axis is a dashed centre line. DXF is in millimetres, a polyline\n"
         "a figure.",
         DataFiles,
         1,
         {{"--output", "-o", "OUT", "the template to write: .svg, .pdf or .dxf", ValueKind::Files, "svg pdf dxf"}, Scale},
         "vantor-cli profile vase.va4 -o vase.pdf --scale 0.5",
         runProfile},
    };
}

}  // namespace

std::span<const CommandSpec> commandTable() {
    static const std::vector<CommandSpec> table = makeTable();
    return table;
}

}  // namespace vantor::cli
