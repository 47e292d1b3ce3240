#pragma once
// What the application object needs before any window exists: its names (the
// settings store uses them) and the stand-in for the definitions' font.
namespace appsetup {

// Organisation, application and display name "plimso"; the font family
// "新細明體" mapped to an installed Traditional Chinese face.
void configureApplication();

// Whether Qt can reach a display: a platform chosen explicitly (environment
// or "-platform" argument), or an X11 or Wayland display.
bool displayAvailable(int argc, char **argv);

} // namespace appsetup
