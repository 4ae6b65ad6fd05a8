#pragma once

#include <QStringList>

class QTextStream;

// The command line of `worthsheet`: batch work on the statement database the window program
// uses, with the same operations as the windows. Started without arguments (or with only
// the toolkit's own, such as -platform) the program is the window program.
namespace CommandLine {

// Exit codes: done, refused or failed, not understood.
inline constexpr int Done = 0;
inline constexpr int Failed = 1;
inline constexpr int Usage = 2;

// True when the arguments ask for the command line rather than the windows: any argument
// that is not one of the toolkit's own (so -h, list or a misspelt verb get the usage line
// and exit status 2 rather than a window).
bool requested(int argc, char **argv);
// Creates the application object the verb needs (none of them a display) and runs it.
int runProgram(int argc, char **argv);
// Runs the verb with an application object already in place; what it produces goes to out,
// every error to err.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace CommandLine
