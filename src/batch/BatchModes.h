#pragma once
// The batch modes of gridsmith, one function each, in its own ...Command.cpp file.
// Each takes the arguments after the mode's name and returns the exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

using BatchArgs = std::vector<std::string>;

class PictureExporter;

// What the windowing layer lends the batch modes, which live in the core and never see
// Qt. Empty when gridsmith is built without the windowing layer.
struct BatchServices {
    const PictureExporter* pictures = nullptr;  // bitmaps, PNG, SVG and PDF
};

// --check FILE [-o OUT]: reads a grid file, reports the reader's result, optionally
// writes the grid back in canonical form.
int runCheckMode(const BatchArgs& args, std::ostream& out, std::ostream& err);
// gridsmith --search PATTERN [...]: the word search, one match a line.
int runSearchMode(const BatchArgs& args, std::ostream& out, std::ostream& err);
// gridsmith --fill IN.tgr [-o OUT.tgr] [...]: Normal Fill, printing its result text.
int runFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err);
// gridsmith --unch-fill IN.tgr [-o OUT.tgr] [...]: Normal Fill followed by Unch Fill.
int runUnchFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

// --new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT: writes a new grid file.
int runNewMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

// --stats FILE: prints the grid statistics of a grid file.
int runStatsMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

// --export KIND IN.tgr -o FILE [--no-numbers] [--no-answers] [--zoom PERCENT]: exports a
// grid file as a text grid, answer list, exchange text, metafile, bitmap, PNG, SVG or PDF.
int runExportMode(const BatchArgs& args, std::ostream& out, std::ostream& err,
                  const BatchServices& services);

}  // namespace tessaran
