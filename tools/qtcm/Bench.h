#pragma once
// qtcm bench: how fast the library translates, measured by a person (not a test).

// argv[1] is "bench"; the rest are the bench's options. Answers the exit code.
int RunBench(int argc, char** argv);
