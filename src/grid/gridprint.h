#pragma once
// Printing a dot grid window: one page with the window's caption as heading
// and both surfaces under it, side by side as the window places them, scaled
// to the page's width within its margins (or its height, if that is less),
// proportions kept. Each surface is painted as on screen (SurfacePainter),
// but at the printer's resolution: round dots and antialiased lines.
//
// On a printer set to greyscale the colours would all turn to similar dark
// greys, the dark red path among them. There the path is drawn black, every
// dot light (a visited dot darker than an unvisited one) with a grey outline,
// so the path stays the darkest thing on the page, as the red path stands out
// on a colour print.
#include <QString>
#include <optional>

class GridWindow;
class QPrinter;

// Why nothing, or not everything, was printed.
struct PrintProblem {
    enum class Kind {
        PrinterFailed, // the printer would not start or finish the job
        NotAFile,      // the PDF's name is taken by a folder, FIFO, device ...
        NotWritten,    // the PDF file could not be written: `reason`
    };
    Kind kind;
    QString target; // the printer's name, or the PDF file's
    QString reason; // the system's reason ("No space left on device"), for NotWritten
};

// Prints `window` on `printer`, as the printer dialog set it up, under the
// heading `caption` as the window's title shows it (shownCaption, in
// grid/workspace.h), wrapped where it is too long for the page. With
// "Print to File (PDF)" the PDF is made in memory and written all or nothing
// (logic/atomicfile.h), replacing a file of that name, so a full disk or a
// folder that takes no files is reported and leaves no file behind.
std::optional<PrintProblem> printGridWindow(QPrinter &printer, const GridWindow &window,
                                            const QString &caption);

// The message for a problem: names the printer or the file and says why.
QString printProblemText(const PrintProblem &problem);
