#pragma once
// What a challenge is about: the stored pattern File > Open read, and the
// user's attempt at it. One object lives for the whole run; the challenge
// window works on it, so the attempt outlives the window's close.
#include "logic/gridstate.h"
#include "logic/pattern.h"

struct ChallengeState {
    Pattern stored{}; // the pattern read by the last File > Open; all 0 at start
    GridState attempt;
};
