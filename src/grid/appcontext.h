#pragma once
// What the frame hands every window it creates: the one way to ask the user
// things, and the folder where Test writes its pattern files.
#include <QString>

class Dialogs;

struct AppContext {
    Dialogs &dialogs;
    QString programFolder; // the folder holding the executable, normally
};
