#pragma once

#include "core/cli/commandline.h"

// The command-line analyser (`morphologique --analyser`): reads a file or standard input,
// writes every word's analyses on standard output, and never opens a window.
namespace app {

// Analyses as the command asks and returns the exit status: 0, or 1 when the input cannot be
// read or the output written (the reason in French on standard error).
int runAnalyser(const CommandLine& command);

}  // namespace app
