#pragma once
// What a dot grid window shows, owned in one place: the recorded path, for a
// challenge the stored pattern, where every control and dot of both surfaces
// stands, the segments each surface shows and which of its dots are red.
// Views paint it; input, the keyboard and a screen reader change it through
// its verbs, File > Open through setStoredPattern, and every change is
// signalled. Nothing else writes what it holds.
//
// Surface A (PicA) shows the segments drawn by clicks and redraws; erasing one
// takes exactly that segment away. B (PicB) differs by kind:
// - editor: B keeps what Test's replays and full redraws put there, and a
//   layout takes away the path's segments from their old places;
// - challenge: B shows the stored pattern through B's own dots, nothing else.
// A segment that no redraw reaches (the 64th click's, one that Test replayed
// from position 63 or that a take-back left on B) stays where it was drawn.
//
// An editor's model lives as long as its window. The challenge's lives for the
// run: its attempt and stored pattern outlive every window that shows them,
// and each new window starts on it afresh (startWindow).
//
// The controls' places (the buttons' too) are part of the layout: the
// surfaces' sizes follow from the window's inner size and the buttons' places,
// in one computation over twips (logic/gridlayout.h), which the window only
// turns into pixels.
#include "logic/gridlayout.h"
#include "logic/gridstate.h"
#include "logic/pattern.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <array>

// A straight line between two dot centres, in twips; from == to is a point.
// Two segments are the same line whichever end they start from.
struct Segment {
    QPointF from;
    QPointF to;

    bool operator==(const Segment &o) const
    {
        return (from == o.from && to == o.to) || (from == o.to && to == o.from);
    }
    QRectF bounds() const { return QRectF(from, to).normalized(); }
};

// Where the controls and dots stand before the first layout (the window
// definitions' positions), in twips.
struct GridGeometry {
    gridlayout::Controls controls{};
    std::array<QPointF, kPathLength> dotsA{}; // dot 63 is the spare, never shown
    std::array<QPointF, kDotCount> dotsB{};
};

class GridModel : public QObject {
    Q_OBJECT
public:
    enum class Kind {
        Editor,    // B repeats the path: Test's replays and full redraws
        Challenge, // B shows the stored pattern
    };

    // A model with an empty path and, for a challenge, an empty stored
    // pattern; its controls and dots where `initial` puts them.
    explicit GridModel(Kind kind, const GridGeometry &initial = {}, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    const GridState &state() const { return m_state; }
    // The pattern File > Open read (a challenge's; all 0 until then).
    const Pattern &storedPattern() const { return m_stored; }

    // A window is built on the model from its definition: controls and dots
    // where `initial` puts them, nothing drawn on either surface, every dot
    // green but those of a challenge's stored pattern on B. The path and the
    // stored pattern stay as they are.
    void startWindow(const GridGeometry &initial);

    QRectF controlRect(GridControl c) const { return m_controls[size_t(c)]; }
    // Dot `index` of a surface (A: 0..63, B: 0..62); an empty rect outside.
    QRectF dotRect(Side side, int index) const;
    // The segments a surface shows, in the order they were drawn.
    QList<Segment> segments(Side side) const;
    // Whether a dot shows the red picture.
    bool isRed(Side side, int index) const;
    // The dot of the last recorded click, or -1 while the path is empty.
    int lastDot() const;
    // The dots of the path a surface shows, in the order they are joined: on A
    // the recorded clicks; on B the stored pattern in file order (challenge),
    // or the path the last replay or full redraw drew there (editor). Entries
    // that name no dot are left out; a dot the path passes twice is listed twice.
    QList<int> pathDots(Side side) const;

    // A click on dot `index` (0..62) of A: the dot turns red, a segment joins
    // the previous click's centre to this one (a point for the first click of
    // a path) and the dot number is recorded. A click when all 64 positions
    // are used, or outside 0..62, is ignored. Returns whether it was recorded.
    bool recordClick(int index);
    // Takes back the last recorded click (a double-click, whichever dot its
    // second press lands on; or Backspace): its segment goes, the rest of the
    // path is drawn again, its dot turns green unless the path still holds it,
    // and the next click joins the dot before. Nothing happens on an empty path.
    void takeBack();
    // The editor's click on its background: the path drawn again on A and B.
    void redrawWholePath();
    // Lays the window out for an inner size in twips (0 x 0 while minimised):
    // controls (gridlayout::layOutControls), the path taken from its old
    // place, every dot of both grids moved by PicA's steps (the spare stays),
    // the path drawn again, and the next click joining the last dot there.
    void layOut(float innerWidth, float innerHeight);
    // Test's replay on B: the non-zero entries 0..63 joined through B's dots,
    // which turn red.
    void replay();
    // File > Open: the stored pattern becomes `pattern`, B's dots are laid out
    // from B's own size with the row step rounded to a whole twip (half to
    // even), and B shows the pattern alone. A challenge's only.
    void setStoredPattern(const Pattern &pattern);
    // Summit's Yes: no segment left on A, every A dot green, the path cleared.
    void resetAttempt();
    // A window about to close: no click counted and positions 0..62 set to 0;
    // position 63 and where the next line starts keep their values.
    void clear();

signals:
    // The recorded path changed: a click recorded or taken back, the path
    // reset or cleared.
    void pathChanged();
    // The stored pattern changed (File > Open).
    void storedPatternChanged();
    // What a surface shows changed within `area` (twips; a null rect: anywhere).
    void changed(Side side, const QRectF &area);
    // A dot turned red or green.
    void dotChanged(Side side, int index);
    // Controls or dots moved.
    void laidOut();

private:
    QList<Segment> pathSegments() const;
    // The dots entries [0, end) of the path name, in order.
    QList<int> recordedDots(int end) const;
    QList<Segment> chainOnB(const QList<int> &dots) const;
    void draw(Side side, const QList<Segment> &segments);
    void erase(Side side, const QList<Segment> &segments);
    void setRed(Side side, int index, bool red);
    void markPathRed(Side side);
    void markStoredRed();
    void placeLineStart();
    QRectF areaOf(const Segment &segment, Side side, int dot) const;

    const Kind m_kind;
    GridState m_state;
    Pattern m_stored{};
    gridlayout::Controls m_controls{};
    std::array<QPointF, kPathLength> m_dotsA{};
    std::array<QPointF, kDotCount> m_dotsB{};
    std::array<QList<Segment>, 2> m_segments; // by Side; B unused in a challenge
    QList<int> m_drawnOnB;                    // the editor's: the path last drawn on B
    std::array<bool, kPathLength> m_redA{};
    std::array<bool, kDotCount> m_redB{};
};
