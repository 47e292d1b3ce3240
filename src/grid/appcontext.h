#pragma once
// What the frame hands every window it creates: the one way to ask the user
// things, the folder where Test writes its pattern files, and what tells
// whether the keyboard or a pointer was used last.
#include <QString>

class Dialogs;
class LastInput;

struct AppContext {
    Dialogs &dialogs;
    // The program's folder where it takes new files, else the user's data
    // folder (which Test creates when it first writes there); empty when
    // there is neither. File > Open starts in it too.
    QString patternFolder;
    // Which input came last, watched for the whole run; none in some tests.
    const LastInput *lastInput = nullptr;
};
