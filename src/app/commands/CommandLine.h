#pragma once

// The shiftgrid executable: without a command word it starts the windowed program; with one
// (export, demo, ...) it works headless, prints to standard output and exits 0 on success, or
// non-zero with a one-line reason on standard error.
namespace CommandLine {
int run(int argc, char *argv[]);
}
