#include "logic/gridmodel.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

size_t at(Side side)
{
    return side == Side::A ? 0 : 1;
}

// Joins successive points: each segment runs from a point back to the one
// before it, the first to itself.
QList<Segment> chain(const QList<QPointF> &points)
{
    QList<Segment> out;
    for (qsizetype i = 0; i < points.size(); ++i)
        out.append({points[i], points[i ? i - 1 : 0]});
    return out;
}

} // namespace

GridModel::GridModel(Kind kind, const GridGeometry &initial, QObject *parent)
    : QObject(parent), m_kind(kind)
{
    startWindow(initial);
}

void GridModel::startWindow(const GridGeometry &initial)
{
    m_controls = initial.controls;
    m_dotsA = initial.dotsA;
    m_dotsB = initial.dotsB;
    for (auto &shown : m_segments)
        shown.clear();
    m_drawnOnB.clear();
    m_redA.fill(false);
    m_redB.fill(false);
    if (m_kind == Kind::Challenge) markStoredRed();
    emit laidOut();
    emit changed(Side::A, QRectF());
    emit changed(Side::B, QRectF());
}

QRectF GridModel::dotRect(Side side, int index) const
{
    const QSizeF size(gridlayout::kDotSize, gridlayout::kDotSize);
    if (side == Side::A && index >= 0 && index < kPathLength)
        return QRectF(m_dotsA[size_t(index)], size);
    if (side == Side::B && index >= 0 && index < kDotCount)
        return QRectF(m_dotsB[size_t(index)], size);
    return QRectF();
}

QList<Segment> GridModel::segments(Side side) const
{
    if (side == Side::B && m_kind == Kind::Challenge) return chainOnB(pathDots(Side::B));
    return m_segments[at(side)];
}

bool GridModel::isRed(Side side, int index) const
{
    if (side == Side::A) return index >= 0 && index < kPathLength && m_redA[size_t(index)];
    return index >= 0 && index < kDotCount && m_redB[size_t(index)];
}

int GridModel::lastDot() const
{
    const int count = m_state.dotCount;
    if (count < 1 || count > kPathLength) return -1;
    return dotIndexOf(valueOf(m_state.dotPath[size_t(count - 1)]));
}

QList<int> GridModel::pathDots(Side side) const
{
    if (side == Side::A) return recordedDots(std::clamp(int(m_state.dotCount), 0, kPathLength));
    if (m_kind == Kind::Editor) return m_drawnOnB;
    QList<int> dots;
    for (int i = 0; i < kDotCount; ++i) // entry 63 is never drawn
        if (const int d = dotIndexOf(m_stored[size_t(i)]); d >= 0) dots.append(d);
    return dots;
}

bool GridModel::recordClick(int index)
{
    GridState &s = m_state;
    if (index < 0 || index >= kDotCount || s.dotCount < 0 || s.dotCount >= kPathLength)
        return false; // the path has no room: the 64 entries, the dot and A stay as they are
    s.previous = s.current;
    ++s.dotCount;
    s.current = gridlayout::centre(dotRect(Side::A, index));
    if (s.dotCount == 1 || !s.previous) s.previous = s.current;
    s.dotPath[size_t(s.dotCount - 1)] = static_cast<std::int16_t>(index + 1);
    const Segment segment{*s.current, *s.previous};
    draw(Side::A, {segment});
    setRed(Side::A, index, true);
    emit changed(Side::A, areaOf(segment, Side::A, index));
    emit pathChanged();
    return true;
}

void GridModel::takeBack()
{
    GridState &s = m_state;
    if (s.dotCount < 1 || s.dotCount > kPathLength || !s.current) return;
    const Segment segment{*s.current, s.previous.value_or(*s.current)};
    const PathEntry taken = s.dotPath[size_t(s.dotCount - 1)];
    erase(Side::A, {segment});
    --s.dotCount;
    s.dotPath[size_t(s.dotCount)].reset();
    draw(Side::A, pathSegments()); // a segment equal to the one taken back stays
    markPathRed(Side::A);
    const int dot = dotIndexOf(valueOf(taken));
    const auto begin = s.dotPath.begin();
    if (dot >= 0 && std::find(begin, begin + s.dotCount, taken) == begin + s.dotCount)
        setRed(Side::A, dot, false);
    placeLineStart();
    emit changed(Side::A, areaOf(segment, Side::A, dot));
    emit pathChanged();
}

void GridModel::redrawWholePath()
{
    draw(Side::A, pathSegments());
    markPathRed(Side::A);
    if (m_kind == Kind::Editor) {
        draw(Side::B, pathSegments());
        markPathRed(Side::B);
        m_drawnOnB = recordedDots(kDotCount);
    }
    emit changed(Side::A, QRectF());
    emit changed(Side::B, QRectF());
}

void GridModel::layOut(float innerWidth, float innerHeight)
{
    m_controls = gridlayout::layOutControls(m_controls, innerWidth, innerHeight);

    // The path leaves its old place on A and, in the editor, on B.
    const QList<Segment> old = pathSegments();
    erase(Side::A, old);
    if (m_kind == Kind::Editor) erase(Side::B, old);

    const QSizeF steps = gridlayout::gridSteps(controlRect(GridControl::PicA).size());
    for (int k = 0; k < kDotCount; ++k) {
        const QPointF topLeft = gridlayout::dotTopLeft(k, steps);
        m_dotsA[size_t(k)] = topLeft;
        m_dotsB[size_t(k)] = topLeft;
    }

    draw(Side::A, pathSegments());
    markPathRed(Side::A);
    if (m_kind == Kind::Editor) {
        draw(Side::B, pathSegments());
        markPathRed(Side::B);
        m_drawnOnB = recordedDots(kDotCount);
    } else {
        markStoredRed();
    }
    placeLineStart(); // the next click joins the last dot where it is now
    emit laidOut();
    emit changed(Side::A, QRectF());
    emit changed(Side::B, QRectF());
}

void GridModel::replay()
{
    m_drawnOnB = recordedDots(kPathLength);
    draw(Side::B, chainOnB(m_drawnOnB));
    for (const int d : std::as_const(m_drawnOnB))
        setRed(Side::B, d, true);
    emit changed(Side::B, QRectF());
}

void GridModel::setStoredPattern(const Pattern &pattern)
{
    if (m_kind != Kind::Challenge) return;
    m_stored = pattern;
    const QRectF picB = controlRect(GridControl::PicB);
    // Unlike the window's own layout, the row step is rounded to a whole twip.
    const QSizeF steps(float(picB.width()) / 9.0f, std::nearbyint(float(picB.height()) / 7.0f));
    for (int n = 0; n < kDotCount; ++n)
        m_dotsB[size_t(n)] = gridlayout::dotTopLeft(n, steps);
    markStoredRed();
    emit storedPatternChanged();
    emit laidOut();
    emit changed(Side::B, QRectF());
}

void GridModel::resetAttempt()
{
    m_segments[at(Side::A)].clear(); // whatever was drawn there, not only the path as it stands
    for (int i = 0; i < kDotCount; ++i)
        setRed(Side::A, i, false);
    clear();
    emit changed(Side::A, QRectF());
}

void GridModel::clear()
{
    m_state.dotCount = 0;
    for (int p = 0; p < kDotCount; ++p)
        m_state.dotPath[size_t(p)] = std::int16_t(0);
    emit pathChanged();
}

QList<Segment> GridModel::pathSegments() const
{
    QList<QPointF> points;
    for (int p = 0; p < kDotCount; ++p) // position 63 is never redrawn
        if (const int d = dotIndexOf(valueOf(m_state.dotPath[size_t(p)])); d >= 0)
            points.append(gridlayout::centre(dotRect(Side::A, d)));
    return chain(points);
}

QList<int> GridModel::recordedDots(int end) const
{
    QList<int> dots;
    for (int p = 0; p < end; ++p)
        if (const int d = dotIndexOf(valueOf(m_state.dotPath[size_t(p)])); d >= 0) dots.append(d);
    return dots;
}

QList<Segment> GridModel::chainOnB(const QList<int> &dots) const
{
    QList<QPointF> points;
    for (const int d : dots)
        points.append(gridlayout::centre(dotRect(Side::B, d)));
    return chain(points);
}

void GridModel::draw(Side side, const QList<Segment> &segments)
{
    QList<Segment> &shown = m_segments[at(side)];
    for (const Segment &s : segments)
        if (!shown.contains(s)) shown.append(s);
}

void GridModel::erase(Side side, const QList<Segment> &segments)
{
    QList<Segment> &shown = m_segments[at(side)];
    for (const Segment &s : segments)
        shown.removeAll(s);
}

void GridModel::setRed(Side side, int index, bool red)
{
    bool &flag = side == Side::A ? m_redA[size_t(index)] : m_redB[size_t(index)];
    if (flag == red) return;
    flag = red;
    emit dotChanged(side, index);
}

void GridModel::markPathRed(Side side)
{
    for (int p = 0; p < kDotCount; ++p)
        if (const int d = dotIndexOf(valueOf(m_state.dotPath[size_t(p)])); d >= 0)
            setRed(side, d, true);
}

void GridModel::markStoredRed()
{
    std::array<bool, kDotCount> red{};
    for (int i = 0; i < kDotCount; ++i)
        if (const int d = dotIndexOf(m_stored[size_t(i)]); d >= 0) red[size_t(d)] = true;
    for (int d = 0; d < kDotCount; ++d)
        setRed(Side::B, d, red[size_t(d)]);
}

void GridModel::placeLineStart()
{
    GridState &s = m_state;
    const auto centreAt = [&](int p) -> std::optional<QPointF> {
        const int d = dotIndexOf(valueOf(s.dotPath[size_t(p)]));
        if (d < 0) return std::nullopt;
        return gridlayout::centre(dotRect(Side::A, d));
    };
    if (s.dotCount < 1 || s.dotCount > kPathLength) return;
    s.current = centreAt(s.dotCount - 1);
    s.previous = s.dotCount >= 2 ? centreAt(s.dotCount - 2) : s.current;
}

QRectF GridModel::areaOf(const Segment &segment, Side side, int dot) const
{
    return segment.bounds().united(dotRect(side, dot));
}
