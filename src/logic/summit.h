#pragma once
// The challenge's Summit check: does an attempt retrace the stored pattern?
//
// Segments are coded as 100 * a + b for the ordered pair of dot numbers (a, b),
// in 16-bit arithmetic. With m the attempt's length (its leading non-zero
// entries among positions 0..62, so 0..63), the attempt's m - 1 segments are compared with the
// first m - 1 segments of the stored pattern, pairs (i, i + 1) for i = 0..m - 2: every attempt
// segment must equal one of them read forwards or backwards. Hence direction and order do not
// matter, a stored segment may be used again, a shorter attempt is judged against the start of the
// pattern only, a single dot always succeeds, and a 0 inside the stored pattern breaks it (a pair
// with a 0 never equals a segment between two dots).
//
// Neither the attempt's nor the pattern's entry 63 is ever read: an attempt of
// up to 63 dots is judged on all its segments, a 64th recorded dot is not
// judged, and what entry 63 held before cannot change a verdict. An attempt
// with no dot fails. Any int16 values are safe: codes are
// computed in int and wrapped to 16 bits as 16-bit arithmetic would wrap them.
#include "logic/gridstate.h"
#include "logic/pattern.h"

// True when the attempt succeeds ("You are good").
bool summitCheck(const DotPath &attempt, const Pattern &stored);
