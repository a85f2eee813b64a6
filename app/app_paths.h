#pragma once
// Where the program keeps its files.

#include <string>

namespace tagpress {

// The folder of the executable.
std::string AppDir();

// The folder of the working template Default.bct: $TAGPRESS_HOME when set,
// else the folder of the executable when it is writable, else
// $XDG_CONFIG_HOME/tagpress (default ~/.config/tagpress), created on demand.
std::string WorkingDir();

// The path of the working template, Default.bct in WorkingDir().
std::string WorkingTemplatePath();

}  // namespace tagpress
