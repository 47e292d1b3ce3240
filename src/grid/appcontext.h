#pragma once
// What the frame hands every window it creates: the one way to ask the user
// things, and the folder where Test writes its pattern files.
#include <QString>

class Dialogs;

struct AppContext {
    Dialogs &dialogs;
    // The program's folder where it takes new files, else the user's data
    // folder (which Test creates when it first writes there); empty when
    // there is neither. File > Open starts in it too.
    QString patternFolder;
};
