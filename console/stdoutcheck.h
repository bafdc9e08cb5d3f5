// Every program's last step: output that could not be written is a failure, not a success.
#pragma once

// Checks standard output when the program exits: when anything written to std::cout could
// not be delivered (a full disk, a closed stream, a failed final flush), prints
// "<program>: standard output: <reason>" on standard error and ends the run with status 1.
// Call it first thing in main. A reader that closes a pipe early still ends the program
// through SIGPIPE, as before.
void checkStandardOutputAtExit(const char* program);

// The name given to checkStandardOutputAtExit, for messages; "" before.
const char* programName();
