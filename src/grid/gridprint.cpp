#include "grid/gridprint.h"

#include "forms/colours.h"
#include "forms/systemreason.h"
#include "grid/dotgridview.h"
#include "grid/gridwindow.h"
#include "grid/surfacepainter.h"
#include "grid/workspace.h"
#include "logic/atomicfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextOption>

#include <algorithm>
#include <array>

namespace {

struct GridPrint {
    Q_DECLARE_TR_FUNCTIONS(GridPrint)
};

QColor grey(int level)
{
    return QColor(level, level, level);
}

// A surface's look for a greyscale page: the path black (or, on a dark
// background, light enough to stand out), the dots light.
SurfaceLook inGreys(SurfaceLook look)
{
    look.background = grey(qGray(look.background.rgb()));
    look.path = colours::standingOut(Qt::black, look.background);
    look.outline = colours::standingOut(grey(0x80), look.background);
    look.greenFill = grey(0xe8);
    look.redFill = grey(0xb0);
    return look;
}

// The heading, then both surfaces, on a device whose paint area starts at the
// painter's origin.
void paintPage(QPainter &p, const QPaintDevice &device, const GridWindow &window,
               const QString &heading, bool greys)
{
    const QRectF page(0, 0, device.width(), device.height());
    QFont font = window.font();
    font.setPointSize(14);
    font.setBold(true);
    p.setFont(font);
    // A path reads left to right in any layout, and wraps anywhere rather
    // than running off the page.
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    p.setPen(Qt::black);
    p.drawText(page, heading, option);
    const qreal top = p.boundingRect(page, heading, option).height() + p.fontMetrics().height();

    const std::array<const DotGridView *, 2> views{window.PicA(), window.PicB()};
    const QRect content = views[0]->geometry() | views[1]->geometry();
    if (content.isEmpty() || top >= page.height()) return;
    const qreal scale =
        std::min(page.width() / content.width(), (page.height() - top) / content.height());
    for (const DotGridView *view : views) {
        p.save();
        p.translate(QPointF(view->geometry().topLeft() - content.topLeft()) * scale +
                    QPointF(0, top));
        p.scale(scale, scale);
        const QRect area(QPoint(), view->size());
        p.setClipRect(area);
        const SurfaceLook look = greys ? inGreys(view->look()) : view->look();
        SurfacePainter(view->model(), view->side())
            .paint(p, look, area, SurfacePainter::Drawing::Round);
        p.restore();
    }
}

} // namespace

std::optional<PrintProblem> printGridWindow(QPrinter &printer, const GridWindow &window,
                                            const QString &caption)
{
    using Kind = PrintProblem::Kind;
    const bool greys = printer.colorMode() == QPrinter::GrayScale;
    const QString heading = shownCaption(caption);
    printer.setDocName(heading);
    const QString file =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty()) {
        // Qt hands the page to the print system in end() and keeps no word of
        // how that went: only a printer that will not start can be reported.
        QPainter p;
        if (!p.begin(&printer)) return PrintProblem{Kind::PrinterFailed, printer.printerName(), {}};
        paintPage(p, printer, window, heading, greys);
        if (!p.end()) return PrintProblem{Kind::PrinterFailed, printer.printerName(), {}};
        return std::nullopt;
    }

    // Qt's own PDF output ignores failed writes: the page is made in memory
    // and written as any other file of the program, so the system's reason
    // comes back and no part of a file is left.
    const QFileInfo target(file);
    if (target.exists() && !target.isFile()) return PrintProblem{Kind::NotAFile, file, {}};
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setPdfVersion(printer.pdfVersion());
        writer.setTitle(heading);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter p;
        if (!p.begin(&writer)) return PrintProblem{Kind::NotWritten, file, {}};
        paintPage(p, writer, window, heading, greys);
        p.end();
    }
    const WriteResult written = writeFileAtomically(file, pdf);
    if (!written.ok) return PrintProblem{Kind::NotWritten, file, written.error};
    return std::nullopt;
}

QString printProblemText(const PrintProblem &problem)
{
    using Kind = PrintProblem::Kind;
    if (problem.kind == Kind::PrinterFailed)
        return GridPrint::tr("The printer \"%1\" did not take the page: nothing was printed.")
            .arg(problem.target);
    const QString why = problem.kind == Kind::NotAFile ? GridPrint::tr("it is not a regular file")
                        : problem.reason.isEmpty()     ? GridPrint::tr("the page could not be made")
                                                       : systemReason(problem.reason);
    //: %2 says why: "it is not a regular file", or the system's reason.
    return GridPrint::tr("The PDF file \"%1\" could not be written: %2")
        .arg(QDir::toNativeSeparators(problem.target), why);
}
