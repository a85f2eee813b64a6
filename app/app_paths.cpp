#include "app/app_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tagpress {

namespace fs = std::filesystem;

std::string AppDir() {
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path(error).string();
  return exe.parent_path().string();
}

std::string WorkingDir() {
  if (const char* home = std::getenv("TAGPRESS_HOME"); home && *home) {
    std::error_code ignored;
    fs::create_directories(home, ignored);
    return home;
  }
  const std::string app_dir = AppDir();
  if (::access(app_dir.c_str(), W_OK) == 0) return app_dir;
  fs::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    config = xdg;
  else if (const char* user_home = std::getenv("HOME"); user_home && *user_home)
    config = fs::path(user_home) / ".config";
  else
    config = fs::temp_directory_path();
  config /= "tagpress";
  std::error_code ignored;
  fs::create_directories(config, ignored);
  return config.string();
}

std::string WorkingTemplatePath() { return (fs::path(WorkingDir()) / "Default.bct").string(); }

}  // namespace tagpress
