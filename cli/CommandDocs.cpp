// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page and the bash completion of vantor-cli, made from the
// command table at build time.
#include <sstream>

#include "CommandLine.h"
#include "model/options/OptionFields.h"

namespace vantor::cli {

namespace {

// roff treats a leading "." or "'" as a request and "\" as an escape.
std::string roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
        lineStart = c == '\n';
    }
    return out;
}

// A bash pattern of files with these extensions ("@(png|bmp)").
std::string extensionPattern(std::string_view list) {
    std::string alternatives;
    for (char c : list) alternatives += c == ' ' ? '|' : c;
    return "@(" + alternatives + ")";
}

std::string completionOfValue(const OptionSpec& o) {
    switch (o.kind) {
        case ValueKind::Files: return "_vantor_cli_files '" + extensionPattern(o.extensions) + "'";
        case ValueKind::Words: return "COMPREPLY=($(compgen -W '" + std::string(o.extensions) + "' -- \"$cur\"))";
        case ValueKind::OptionField: {
            std::string fields;
            for (const OptionField& f : optionFields()) fields += std::string(fields.empty() ? "" : " ") + f.name + "=";
            return "compopt -o nospace; COMPREPLY=($(compgen -W '" + fields + "' -- \"$cur\"))";
        }
        case ValueKind::Text:
        case ValueKind::None: break;
    }
    return "COMPREPLY=()";
}

}  // namespace

std::string manualPage() {
    std::ostringstream m;
    m << ".TH VANTOR\\-CLI 1 \"\" \"FreeVantor " << VANTOR_VERSION << "\" \"User Commands\"\n"
      << ".SH NAME\nvantor\\-cli \\- data sets, pictures, animations and meshes of solids of revolution\n"
      << ".SH SYNOPSIS\n";
    for (const CommandSpec& c : commandTable())
        for (std::string_view synopsis : c.synopses)
            m << ".B vantor\\-cli " << c.name << "\n" << roff(synopsis) << "\n.br\n";
    m << ".B vantor\\-cli\n.RI [ COMMAND ] \" \\-\\-help\"\n.br\n.B vantor\\-cli \\-\\-version\n"
      << ".SH DESCRIPTION\n"
         "vantor\\-cli runs the logic of FreeVantor without windows: it converts data sets between the\n"
         "four formats (.va4 with its .zuk and .vop, .va2, .csv, .van), draws the solid of revolution as\n"
         "the display window does, prints and writes display option files, writes animations, and\n"
         "exports the solid as a triangle mesh or measures it.\n"
      << ".SH COMMANDS\n";
    for (const CommandSpec& c : commandTable()) {
        m << ".SS " << c.name << "\n" << roff(c.summary) << ".\n";
        if (!c.details.empty()) m << ".PP\n" << roff(c.details) << "\n";
        for (const OptionSpec& o : c.options) {
            m << ".TP\n.B " << (o.alias.empty() ? "" : roff(o.alias) + ", ") << roff(o.name);
            if (!o.value.empty()) m << " \" " << roff(o.value) << "\"";
            m << "\n" << roff(o.help) << "\n";
        }
        if (!c.example.empty()) m << ".PP\nExample:\n.PP\n.RS\n.nf\n" << roff(c.example) << "\n.fi\n.RE\n";
    }
    m << ".SH EXIT STATUS\n0 on success, 1 when a file cannot be read or written, 2 for unusable arguments.\n"
      << ".SH FILES\n.TP\n.I ~/.config/freevantor/standard.vop\nthe standard display options of the desktop "
         "program (vantor\\-cli render starts from the factory options instead)\n"
      << ".SH SEE ALSO\n.BR vantor (1)\n";
    return m.str();
}

std::string bashCompletion() {
    std::ostringstream b;
    b << "# bash completion for vantor-cli\n"
         "_vantor_cli_files() {\n"
         "    local IFS=$'\\n'\n"
         "    compopt -o filenames\n"
         "    COMPREPLY=($(compgen -d -- \"$cur\") $(compgen -f -X \"!*.$1\" -- \"$cur\"))\n"
         "}\n"
         "_vantor_cli() {\n"
         "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "    shopt -s extglob\n"
         "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
         "        COMPREPLY=($(compgen -W '";
    for (const CommandSpec& c : commandTable()) b << c.name << ' ';
    b << "--help --version' -- \"$cur\"))\n"
         "        return\n"
         "    fi\n"
         "    case \"${COMP_WORDS[1]}\" in\n";
    for (const CommandSpec& c : commandTable()) {
        b << "    " << c.name << ")\n        case \"$prev\" in\n";
        std::string names;
        for (const OptionSpec& o : c.options) {
            names += (o.alias.empty() ? "" : std::string(o.alias) + " ") + std::string(o.name) + " ";
            if (o.value.empty()) continue;
            b << "        " << (o.alias.empty() ? "" : std::string(o.alias) + "|") << o.name << ") "
              << completionOfValue(o) << "; return ;;\n";
        }
        b << "        esac\n"
          << "        if [[ $cur == -* ]]; then COMPREPLY=($(compgen -W '" << names << "--help' -- \"$cur\"))\n"
          << "        else _vantor_cli_files '" << extensionPattern(c.operandExtensions) << "'; fi\n"
          << "        ;;\n";
    }
    b << "    esac\n"
         "}\n"
         "complete -F _vantor_cli vantor-cli\n";
    return b.str();
}

}  // namespace vantor::cli
