// gridsmith --stats FILE
//
// Prints what the Grid Statistics window shows for a grid file: one "label value" line
// per count, then the three lists of lights that break the unch model and the light
// distribution, one line per length. The bars of the distribution, drawn by the
// window's font from character 127, are printed as "#".

#include <ostream>

#include "batch/BatchDocument.h"
#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "batch/TextEncoding.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "grid/GridStatistics.h"

namespace tessaran {

int runStatsMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine line = parseCommandLine(args, {});
    if (!line.ok() || line.positional.size() != 1) {
        err << "gridsmith --stats: " << (line.ok() ? "give exactly one grid file" : line.error)
            << "\nUsage: gridsmith --stats FILE\n";
        return 2;
    }
    BatchDocument document;
    Grid& grid = document.grid();
    const int result = grid.readGrid(line.positional[0]);
    if (result != kGridFileOk) {
        err << GridFile::readMessage(result) << '\n';
        if (!GridFile::readResultIsInformation(result))
            return result;
    }

    const GridStatistics statistics(grid);
    auto print = [&](StatisticsField field, bool addColon) {
        std::string text = statistics.text(field);
        for (char& c : text)
            if (c == GridStatistics::kBarCharacter)
                c = '#';
        out << GridStatistics::label(field) << (addColon ? ":" : "");
        if (field == StatisticsField::LightDistribution)
            out << '\n' << utf8FromLatin1(text);
        else if (!text.empty())
            out << ' ' << utf8FromLatin1(text) << '\n';
        else
            out << '\n';
    };
    for (StatisticsField field :
         {StatisticsField::Columns, StatisticsField::Rows, StatisticsField::AcrossLights,
          StatisticsField::DownLights, StatisticsField::TotalLights,
          StatisticsField::AverageLightLength, StatisticsField::UncheckedCells,
          StatisticsField::CheckedCells, StatisticsField::Checking})
        print(field, false);
    // The lists' captions are headings in the window; here they take a colon like the rest.
    print(StatisticsField::ConsecutivelyUnchedLights, true);
    print(StatisticsField::OverunchedLights, true);
    print(StatisticsField::UnderunchedLights, true);
    print(StatisticsField::LightDistribution, false);
    return 0;
}

}  // namespace tessaran
