#pragma once
// The application title: the window caption starts with it and print jobs
// carry it as their document title.

namespace tagpress {

inline constexpr const char* kApplicationTitle = "Lumo v1.6";  // UTF-8

}  // namespace tagpress
