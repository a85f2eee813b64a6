#pragma once
// Text files as lists of lines, the form every file of the program takes
// (templates, data files).
//
// Reading: a carriage return, a line feed or the pair ends a line; a NUL byte
// ends the text; the last line needs no line end. Writing: every line ends
// with CR LF, there is no byte-order mark, and the file is replaced
// atomically so a failed save leaves the old file as it was.

#include <string>
#include <string_view>
#include <vector>

namespace tagpress {

using TextLines = std::vector<std::string>;

// The whole content of a file. Throws EFileError when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Splits text into lines by the reading rules above.
TextLines SplitTextLines(std::string_view text);

// Joins lines, each followed by CR LF.
std::string JoinTextLines(const TextLines& lines);

// Reads a file of GBK text as lines (bytes unchanged).
TextLines ReadTextLines(const std::string& path);

// Reads an input data file as GBK lines. A file with a UTF-8 byte-order mark,
// or one that is valid UTF-8 and holds multi-byte sequences, is taken as
// UTF-8 and converted to GBK; anything else is taken as GBK already.
TextLines ReadDataFileLines(const std::string& path);

// Converts the text of an input file to GBK by the rule of ReadDataFileLines.
std::string DataFileTextToGbk(std::string_view bytes);

// Writes lines (GBK bytes unchanged) with CR LF, replacing the file atomically.
void WriteTextLines(const std::string& path, const TextLines& lines);

// Replaces the file at `path` with `content`: writes a temporary file in the
// same folder, flushes it to disk and renames it over the old one. On any
// failure the old file is untouched and EFileError is thrown.
void ReplaceFileAtomically(const std::string& path, std::string_view content);

// True when `path` names an existing regular file (or a link to one).
bool FileExists(const std::string& path);

// True when `path` names an existing directory.
bool DirectoryExists(const std::string& path);

}  // namespace tagpress
