#include "kesto/batch/manual_page.h"

#include "kesto/batch/batch_options.h"
#include "kesto/platform/program_files.h"
#include "kesto/platform/program_version.h"
#include "kesto/print/print_destination.h"

namespace kesto {

namespace {

// Text as roff reads it: a backslash and a minus written out, and a line that would start
// with a control character kept as text.
std::string Roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            out += "\\&";
        }
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
        lineStart = c == '\n';
    }
    return out;
}

std::string OptionEntry(const BatchOptionHelp& option) {
    std::string entry = ".TP\n\\fB" + Roff(option.name) + "\\fR";
    if (!option.value.empty()) {
        entry += " \\fI" + Roff(option.value) + "\\fR";
    }
    std::string text = option.text;
    for (char& c : text) {
        if (c == '\n') {
            c = ' ';  // the help's own line breaks are for a terminal's width
        }
    }
    return entry + "\n" + Roff(text) + "\n";
}

std::string Item(const std::string& term, const std::string& text) {
    return ".TP\n" + term + "\n" + Roff(text) + "\n";
}

}  // namespace

std::string ManualPageText(const std::string& prefix) {
    const std::string dataFolder = prefix + "/" + std::string(kInstalledDataFolder);
    const std::string version(kProgramVersion);
    std::string page = ".TH KESTO 1 \"\" \"Kesto " + version + "\" \"User Commands\"\n";
    page += R"(.SH NAME
kesto \- prepare the boards of a duplicate bridge game
.SH SYNOPSIS
.B kesto
.RI [ FILE ]
.br
.B kesto batch
.RI [ options ]
.br
.B kesto
.BR \-\-help " | " \-\-version
.SH DESCRIPTION
Kesto deals the boards of a duplicate bridge session at random, or takes them typed in or from
a deal file, and makes from them hand records, deal sheets, curtain cards and statistics
sheets, files for the dealing machines and for online play, and a web page of the deals.
.PP
Without arguments
.B kesto
starts the desktop program.
With one argument that names a deal file it starts the program and reads that file, as
\(lqRead deals from file\(rq does.
.B kesto batch
runs one job without a window, for scripts; it reads the settings as the window does and
never writes them.
.SH OPTIONS
The options of
.BR "kesto batch" :
)";
    for (const BatchOptionHelp& option : BatchOptionHelps()) {
        page += OptionEntry(option);
    }
    page += ".SH EXIT STATUS\n";
    page += Item("0", "The job is done.");
    page += Item("1",
                 "A failure; its message, the same text the window shows, is written to "
                 "standard error. A window that cannot be opened ends the program with 1 too.");
    page += Item("2", "A usage error, with a one-line usage hint on standard error.");
    page += ".SH ENVIRONMENT\n";
    page += Item("\\fBKESTO_SETTINGS\\fR", "The settings file to use instead of the usual one.");
    page += Item("\\fBXDG_CONFIG_HOME\\fR, \\fBHOME\\fR",
                 "Where the usual settings file is looked for (see FILES).");
    page += Item("\\fB" + Roff(kPdfFolderVariable) + "\\fR",
                 "When set, every printout becomes a PDF file in this folder, whatever "
                 "printer is chosen.");
    page += Item("\\fBDISPLAY\\fR, \\fBWAYLAND_DISPLAY\\fR, \\fBQT_QPA_PLATFORM\\fR",
                 "The display the window opens on. Without one the window is not opened and "
                 "the program says why; batch jobs need no display.");
    page += ".SH FILES\n";
    page += Item(
        "\\fI$XDG_CONFIG_HOME/Tarnwick/Kesto.reg\\fR, "
        "\\fI~/.config/Tarnwick/Kesto.reg\\fR",
        "The settings: options, printer, languages and the folders last used.");
    page += Item("\\fI" + Roff(dataFolder + "/help/index.html") + "\\fR",
                 "The manual, which Help in the window opens.");
    page += Item("\\fI" + Roff(dataFolder + "/GIF") + "\\fR",
                 "The suit and board images a web page of the deals refers to.");
    page += Item("\\fI" + Roff(prefix + "/" + std::string(kInstalledLibraryFolder)) + "\\fR",
                 "The printing library and the web page library, which the program loads.");
    page += Item("\\fI~/Documents/" + Roff(std::string(kDefaultPdfFolderName)) + "\\fR",
                 "Where printouts become PDF files when no printer is chosen in \"Printer "
                 "setup...\" (the documents folder as the desktop names it).");
    page += R"(.SH EXAMPLES
Deal 24 boards from seed 7, save them for the Duplimate machine and as PBN, and print the hand
records as PDF files:
.PP
.RS
.nf
kesto batch \-\-seed 7 \-\-generate 24 \-\-save club.dlm \-\-save club.pbn \e
    \-\-print \-\-copies 1 \-\-output\-folder printouts
.fi
.RE
.PP
Read a deal file and write the web page of its deals with the statistics:
.PP
.RS
.nf
kesto batch \-\-read club.pbn \-\-html club.html \-\-stats
.fi
.RE
)";
    return page;
}

}  // namespace kesto
