#pragma once
// Descriptors 0, 1 and 2 as the program found them. One that is closed at
// start would be taken by the next file or connection opened (the display's,
// say), and whatever is meant for the standard stream would go into that.
struct ClosedStreams {
    bool input = false;
    bool output = false;
    bool error = false;
};

// Opens each of descriptors 0, 1 and 2 that is closed on /dev/null, and says
// which were closed. Called first of all.
ClosedStreams openClosedStandardStreams();
